object ZYLShadowEditorDlg: TZYLShadowEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TZYLShadow-Editor'
  ClientHeight = 244
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
    Caption.Caption = 'Shadow-Testobject'
  end
  object lbStyle: TLabel
    Left = 8
    Top = 132
    Caption = 'Style: '
    FocusControl = cmbstyle
  end
  object cmbstyle: TComboBox
    Left = 80
    Top = 128
    Width = 120
    Height = 21
    Style = csDropDownList
    Hint = 'Specifies the stlye of shadow to be used.'
    TabOrder = 0
    OnChange = cmbstyleChange
    Items.Strings = (
      'hssNone'
      'hssSolid'
      'hssTracing')
  end
  object lbColor: TLabel
    Left = 8
    Top = 160
    Caption = 'Color: '
    FocusControl = cmbS
  end
  object cmbS: TZYLColorComboBox
    Left = 80
    Top = 156
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Specifies the color of the shadow.'
    TabOrder = 1
    OnChange = cmbSChange
  end
  object btS: TButton
    Left = 202
    Top = 156
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 2
    OnClick = ColorButtonClick
  end
  object lbDepth: TLabel
    Left = 8
    Top = 188
    Caption = 'Depth:'
    FocusControl = spind
  end
  object spind: TZYLSpinEdit
    Left = 80
    Top = 184
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Specifies the Depth of the shadow.'
    TabOrder = 3
    OnChange = spindChange
  end
  object lbNote: TLabel
    Left = 8
    Top = 220
    Caption = 'Using white as shadow-color will not work if tracing style is selected.'
  end
  object btOK: TButton
    Left = 316
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 4
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 316
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 5
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 316
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 6
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 340
    Top = 120
  end
end
