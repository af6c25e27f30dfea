object ZYLFrmcavi: TZYLFrmcavi
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'AVI2IML Converter'
  ClientHeight = 246
  ClientWidth = 438
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Ani: TAnimate
    Left = 9
    Top = 55
    Width = 272
    Height = 60
    Repetitions = 1
  end
  object aviLoad: TZYLButton
    Left = 9
    Top = 9
    Width = 85
    Height = 25
    Caption = 'Load AVI'
    CtlXP = False
    TabOrder = 0
    OnClick = aviLoadClick
  end
  object aviPlay: TZYLButton
    Left = 100
    Top = 9
    Width = 85
    Height = 25
    Caption = 'Play'
    CtlXP = False
    TabOrder = 1
    OnClick = aviPlayClick
  end
  object ZYLButton1: TZYLButton
    Left = 254
    Top = 9
    Width = 85
    Height = 25
    Caption = 'Convert'
    CtlXP = False
    Default = True
    ModalResult = 1
    TabOrder = 2
    OnClick = Button1Click
  end
  object ZYLButton2: TZYLButton
    Left = 344
    Top = 9
    Width = 85
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    CtlXP = False
    ModalResult = 2
    TabOrder = 3
  end
  object ZYLDrawEdge1: TZYLDrawEdge
    Left = 9
    Top = 42
    Width = 420
    Height = 2
    FrameSides = [fsTop]
  end
  object FileDialog: TOpenDialog
    Options = [ofHideReadOnly, ofPathMustExist, ofFileMustExist]
    Left = 300
    Top = 60
  end
  object fs: TZYLFormStyler
    Left = 340
    Top = 60
  end
end
