object ZYLSimpleBevelEditorDlg: TZYLSimpleBevelEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TZYLSimpleBevel-Editor'
  ClientHeight = 272
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
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object test: TZYLShapeControl
    Left = 8
    Top = 8
    Width = 220
    Height = 110
  end
  object lbStyle: TLabel
    Left = 8
    Top = 132
    Caption = 'Style: '
    FocusControl = cmbstyle
  end
  object cmbstyle: TComboBox
    Left = 90
    Top = 128
    Width = 120
    Height = 21
    Style = csDropDownList
    Hint = 'Specifies the style for the bevel.'
    TabOrder = 0
    OnChange = cmbstyleChange
    Items.Strings = (
      'sbNormal'
      'sbInset'
      'sbOffset')
  end
  object lbWidth: TLabel
    Left = 8
    Top = 160
    Caption = 'Width:'
    FocusControl = spind
  end
  object spind: TZYLSpinEdit
    Left = 90
    Top = 156
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Define the width of the bevel.'
    TabOrder = 1
    OnChange = spindChange
  end
  object lbL: TLabel
    Left = 8
    Top = 188
    Caption = 'LightColor: '
    FocusControl = cmbL
  end
  object cmbL: TZYLColorComboBox
    Left = 90
    Top = 184
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Defines the LightColor for 3D-effects.'
    TabOrder = 2
    OnChange = cmbColorChange
  end
  object btL: TButton
    Left = 212
    Top = 184
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 3
    OnClick = ColorButtonClick
  end
  object lbs: TLabel
    Left = 8
    Top = 216
    Caption = 'ShadowColor: '
    FocusControl = cmbs
  end
  object cmbs: TZYLColorComboBox
    Left = 90
    Top = 212
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Defines the ShadowColor for 3D-effects.'
    TabOrder = 4
    OnChange = cmbColorChange
  end
  object bts: TButton
    Left = 212
    Top = 212
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 5
    OnClick = ColorButtonClick
  end
  object lbn: TLabel
    Left = 8
    Top = 244
    Caption = 'NormalColor: '
    FocusControl = cmbn
  end
  object cmbn: TZYLColorComboBox
    Left = 90
    Top = 240
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Defines the NormalColor while not using 3D-effects.'
    TabOrder = 6
    OnChange = cmbColorChange
  end
  object btn: TButton
    Left = 212
    Top = 240
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 7
    OnClick = ColorButtonClick
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
  object styler: TZYLFormStyler
    Left = 340
    Top = 120
  end
end
