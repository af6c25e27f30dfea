object ZYLfrmsiprop: TZYLfrmsiprop
  Left = 200
  Top = 120
  Caption = 'StringListItem - Properties'
  ClientHeight = 356
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
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 4
    Top = 4
    Width = 340
    Height = 84
    BevelOuter = bvLowered
    TabOrder = 0
    object lbIndex: TLabel
      Left = 8
      Top = 8
      Caption = 'Index: '
    end
    object Index: TZYLSimpleLabel
      Left = 48
      Top = 8
      Width = 40
      Height = 13
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clNavy
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object compress: TCheckBox
      Left = 120
      Top = 6
      Width = 97
      Height = 17
      Caption = 'Compre&ssed'
      TabOrder = 0
    end
    object lbDesc: TLabel
      Left = 8
      Top = 32
      Caption = 'Descr.:'
    end
    object desc: TEdit
      Left = 56
      Top = 28
      Width = 276
      Height = 21
      TabOrder = 1
    end
    object lbExternal: TLabel
      Left = 8
      Top = 60
      Caption = 'External StringList:'
    end
    object lbIdent: TLabel
      Left = 150
      Top = 60
      Caption = 'Ident:'
    end
    object ed: TZYLSpinEdit
      Left = 184
      Top = 56
      Width = 73
      MinValue = 0
      MaxValue = 65535
      TabOrder = 2
    end
  end
  object Button1: TButton
    Left = 356
    Top = 4
    Width = 75
    Height = 25
    Anchors = [akTop, akRight]
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object Button2: TButton
    Left = 356
    Top = 34
    Width = 75
    Height = 25
    Anchors = [akTop, akRight]
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object btnfile: TZYLSpeedButton
    Left = 4
    Top = 94
    Width = 60
    Height = 22
    Caption = '&File'
    OnClick = dropClick
  end
  object btnEdit: TZYLSpeedButton
    Left = 66
    Top = 94
    Width = 60
    Height = 22
    Caption = '&Edit'
    OnClick = dropClick
  end
  object lbLines: TLabel
    Left = 320
    Top = 98
    Caption = 'Lines: '
  end
  object l: TLabel
    Left = 360
    Top = 98
    Width = 70
    Height = 13
    Alignment = taRightJustify
    AutoSize = False
    Caption = '0'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Editor: TMemo
    Left = 4
    Top = 120
    Width = 430
    Height = 232
    Anchors = [akLeft, akTop, akRight, akBottom]
    HideSelection = False
    ScrollBars = ssBoth
    TabOrder = 3
    WordWrap = False
    OnChange = EditorChange
  end
  object mfile: TPopupMenu
    Left = 200
    Top = 180
    object Open2: TMenuItem
      Caption = '&Open'
      OnClick = fileclick
    end
    object Open1: TMenuItem
      Tag = 1
      Caption = '&Save'
      OnClick = fileclick
    end
  end
  object editmenu: TPopupMenu
    OnPopup = editmenuPopup
    Left = 230
    Top = 180
    object Cut1: TMenuItem
      Caption = 'Cu&t'
      ShortCut = 16472
      OnClick = editclick
    end
    object Copy1: TMenuItem
      Tag = 1
      Caption = '&Copy'
      ShortCut = 16451
      OnClick = editclick
    end
    object Paste1: TMenuItem
      Tag = 2
      Caption = '&Paste'
      ShortCut = 16470
      OnClick = editclick
    end
    object Delete1: TMenuItem
      Tag = 3
      Caption = '&Delete'
      ShortCut = 16430
      OnClick = editclick
    end
    object N1: TMenuItem
      Caption = '-'
    end
    object Selectall1: TMenuItem
      Tag = 4
      Caption = 'Select &all'
      ShortCut = 16449
      OnClick = editclick
    end
  end
  object OpenDialog: TOpenDialog
    DefaultExt = 'txt'
    Filter = 'Text files (*.txt)|*.txt|All files|*.*'
    Options = [ofHideReadOnly, ofPathMustExist, ofFileMustExist]
    Left = 260
    Top = 180
  end
  object SaveDialog: TSaveDialog
    DefaultExt = 'txt'
    Filter = 'Text files (*.txt)|*.txt|All files|*.*'
    Options = [ofHideReadOnly, ofNoReadOnlyReturn]
    Left = 290
    Top = 180
  end
  object ZYLFormStyler1: TZYLFormStyler
    Left = 320
    Top = 180
  end
end
