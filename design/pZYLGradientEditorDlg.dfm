object ZYLGradientEditorDlg: TZYLGradientEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Gradient-Editor'
  ClientHeight = 256
  ClientWidth = 400
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  ShowHint = True
  OnActivate = FormActivate
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object test: TZYLFill
    Left = 8
    Top = 8
    Width = 300
    Height = 90
    Bevel.Mode = bmStandard
    FillObject.Style = sfGradient
  end
  object lbCount: TLabel
    Left = 8
    Top = 116
    Caption = '&ColorCount:'
    FocusControl = edbiw
  end
  object edbiw: TZYLSpinEdit
    Left = 90
    Top = 112
    Width = 50
    MinValue = 2
    MaxValue = 236
    Hint = 'Defines how many colors are to be used.'
    TabOrder = 0
    OnChange = edchange
  end
  object lbDirection: TLabel
    Left = 8
    Top = 144
    Caption = '&Direction:'
    FocusControl = direct
  end
  object direct: TComboBox
    Left = 90
    Top = 140
    Width = 143
    Height = 21
    Style = csDropDownList
    Hint = 'Specifies the direction of the gradient,'
    TabOrder = 1
    OnChange = directChange
    Items.Strings = (
      'gsHorizontal'
      'gsVertical'
      'gsSquare'
      'gsElliptic'
      'gsTopLeft'
      'gsTopRight'
      'gsBottomLeft'
      'gsBottomRight'
      'gsTopLeftDiagonal'
      'gsTopRightDiagonal')
  end
  object lbColor: TLabel
    Left = 8
    Top = 172
    Caption = 'Co&lor:'
    FocusControl = cmbb
  end
  object cmbb: TZYLColorComboBox
    Left = 90
    Top = 168
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Specifies the beginning color.'
    TabOrder = 2
    OnChange = cmbc
  end
  object bt1: TButton
    Left = 212
    Top = 168
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 3
    OnClick = ColorButtonClick
  end
  object lbEndColor: TLabel
    Left = 8
    Top = 200
    Caption = '&EndColor:'
    FocusControl = cmbL
  end
  object cmbL: TZYLColorComboBox
    Left = 90
    Top = 196
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Specifies the end color.'
    TabOrder = 4
    OnChange = cmbc
  end
  object bt2: TButton
    Left = 212
    Top = 196
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 5
    OnClick = ColorButtonClick
  end
  object chk: TCheckBox
    Left = 90
    Top = 232
    Width = 140
    Height = 17
    Caption = ' &PaletteRealize'
    Hint = 'If set, the palette will be realized.'
    TabOrder = 6
    OnClick = chkClick
  end
  object clb: TZYLColorListBox
    Left = 90
    Top = 168
    Width = 143
    Height = 56
    Options = [coAllowAnyColor]
    TabOrder = 7
    OnClick = clbClick
  end
  object addBtn: TSpeedButton
    Left = 238
    Top = 168
    Width = 60
    Height = 22
    Caption = 'Add'
    OnClick = addBtnClick
  end
  object delBtn: TSpeedButton
    Left = 238
    Top = 196
    Width = 60
    Height = 22
    Caption = 'Delete'
    OnClick = delBtnClick
  end
  object ext_std: TSpeedButton
    Left = 316
    Top = 112
    Width = 75
    Height = 22
    Caption = 'Ext >>'
    OnClick = ext_stdClick
  end
  object btOK: TButton
    Left = 316
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 8
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 316
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 9
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 316
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 10
    OnClick = resetClick
  end
  object cd: TColorDialog
    Options = [cdFullOpen]
    Left = 340
    Top = 200
  end
  object styler: TZYLFormStyler
    Left = 370
    Top = 200
  end
end
