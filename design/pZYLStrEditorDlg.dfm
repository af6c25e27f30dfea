object ZYLStrEditorDlg: TZYLStrEditorDlg
  Left = 200
  Top = 120
  ActiveControl = str
  BorderStyle = bsDialog
  Caption = 'String-Editor'
  ClientHeight = 201
  ClientWidth = 490
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object sh: TLabel
    Left = 5
    Top = 8
    Width = 44
    Height = 13
    Caption = '&String:'
    FocusControl = str
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Label2: TLabel
    Left = 293
    Top = 10
    Width = 110
    Height = 11
    Caption = 'Press Ctrl+Return for new line.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -8
    Font.Name = 'Small Fonts'
    Font.Style = []
    ParentFont = False
  end
  object Bevel1: TBevel
    Left = 6
    Top = 96
    Width = 282
    Height = 6
    Shape = bsTopLine
  end
  object lbh: TLabel
    Left = 6
    Top = 160
    Width = 66
    Height = 13
    Caption = '&LongHint:'
    FocusControl = lh
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object str: TMemo
    Left = 5
    Top = 23
    Width = 398
    Height = 173
    ScrollBars = ssVertical
    TabOrder = 0
    WantReturns = False
  end
  object lh: TEdit
    Left = 6
    Top = 175
    Width = 396
    Height = 21
    TabOrder = 1
    Visible = False
  end
  object ok: TButton
    Left = 409
    Top = 23
    Width = 75
    Height = 23
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object cancel: TButton
    Left = 409
    Top = 50
    Width = 75
    Height = 23
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
end
