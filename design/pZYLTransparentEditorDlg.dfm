object ZYLTransparentEditorDlg: TZYLTransparentEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TZYLTransparent-Editor'
  ClientHeight = 236
  ClientWidth = 420
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
  object back: TZYLFill
    Left = 8
    Top = 8
    Width = 316
    Height = 100
    FillObject.Style = sfGradient
    FillObject.Gradient.Color = clRed
    FillObject.Gradient.EndColor = clMaroon
  end
  object test: TZYLNImage
    Left = 8
    Top = 8
    Width = 316
    Height = 100
    Style = sbCenter
  end
  object lbColor: TLabel
    Left = 8
    Top = 124
    Caption = 'Color:'
    FocusControl = cmbc
  end
  object cmbc: TZYLColorComboBox
    Left = 60
    Top = 120
    Width = 130
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Read the help-file for'#13#10'further information.'
    TabOrder = 0
    OnChange = cmbcChange
  end
  object btc: TButton
    Left = 192
    Top = 120
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 1
    OnClick = ColorButtonClick
  end
  object lbStyle: TLabel
    Left = 8
    Top = 156
    Caption = 'Style:'
    FocusControl = cmb
  end
  object cmb: TComboBox
    Left = 60
    Top = 152
    Width = 153
    Height = 21
    Style = csDropDownList
    Hint = 'Specifies the style of transparent blitting.'
    TabOrder = 2
    OnChange = cmbChange
    Items.Strings = (
      'tpNone'
      'tpRestoreBack'
      'tpTransparentColor'
      'tpRBTranspColor')
  end
  object lbl: TLabel
    Left = 8
    Top = 188
    Width = 316
    Height = 40
    AutoSize = False
    WordWrap = True
    Caption = 'No transparent drawing'
  end
  object btOK: TButton
    Left = 336
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 3
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 336
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 4
    Cancel = True
    ModalResult = 2
  end
  object styler: TZYLFormStyler
    Left = 360
    Top = 120
  end
end
