object ZYL3DEffectEditorDlg: TZYL3DEffectEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = '3DEffect-Editor'
  ClientHeight = 300
  ClientWidth = 472
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
  object gbSettings: TGroupBox
    Left = 8
    Top = 8
    Width = 217
    Height = 161
    Caption = ' Settings '
    TabOrder = 0
    object lbWidth: TLabel
      Left = 10
      Top = 24
      Caption = 'Bevel-Width:'
      FocusControl = spind
    end
    object spind: TZYLSpinEdit
      Left = 96
      Top = 20
      Width = 50
      MinValue = 0
      MaxValue = 5
      Hint = 'Specifies the width of the bevel.'
      TabOrder = 0
      OnChange = spindChange
    end
    object lbBevel: TLabel
      Left = 10
      Top = 53
      Caption = 'Color Bevel: '
      FocusControl = cmbB
    end
    object cmbB: TZYLColorComboBox
      Left = 96
      Top = 49
      Width = 90
      Height = 22
      Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
      Hint = 'Specifies the color of the bevel.'
      TabOrder = 1
      OnChange = cmbBChange
    end
    object dlgb: TButton
      Left = 188
      Top = 49
      Width = 21
      Height = 21
      Caption = '...'
      Hint = 'Specifies the color of the bevel.'
      TabOrder = 2
      OnClick = ColorButtonClick
    end
    object lbDisabled: TLabel
      Left = 10
      Top = 80
      Caption = 'Color Disabled: '
      FocusControl = cmbD
    end
    object cmbD: TZYLColorComboBox
      Left = 96
      Top = 76
      Width = 90
      Height = 22
      Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
      Hint = 'Specifies the color of the disabled style.'
      TabOrder = 3
      OnChange = cmbBChange
    end
    object dlgd: TButton
      Left = 188
      Top = 76
      Width = 21
      Height = 21
      Caption = '...'
      Hint = 'Specifies the color of the disabled style.'
      TabOrder = 4
      OnClick = ColorButtonClick
    end
    object lbLight: TLabel
      Left = 10
      Top = 107
      Caption = 'Color Light: '
      FocusControl = cmbL
    end
    object cmbL: TZYLColorComboBox
      Left = 96
      Top = 103
      Width = 90
      Height = 22
      Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
      Hint = 'Specifies the color of the lightened bevel parts.'
      TabOrder = 5
      OnChange = cmbBChange
    end
    object dlgl: TButton
      Left = 188
      Top = 103
      Width = 21
      Height = 21
      Caption = '...'
      Hint = 'Specifies the color of the lightened bevel parts.'
      TabOrder = 6
      OnClick = ColorButtonClick
    end
    object lbShadow: TLabel
      Left = 10
      Top = 134
      Caption = 'Color Shadow: '
      FocusControl = cmbS
    end
    object cmbS: TZYLColorComboBox
      Left = 96
      Top = 130
      Width = 90
      Height = 22
      Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
      Hint = 'Specifies the color of the darkened bevel parts.'
      TabOrder = 7
      OnChange = cmbBChange
    end
    object dlgs: TButton
      Left = 188
      Top = 130
      Width = 21
      Height = 21
      Caption = '...'
      Hint = 'Specifies the color of the darkened bevel parts.'
      TabOrder = 8
      OnClick = ColorButtonClick
    end
  end
  object pnImage: TPanel
    Left = 232
    Top = 8
    Width = 145
    Height = 129
    BevelOuter = bvLowered
    Caption = ''
    TabOrder = 1
    object BtnImg: TImage
      Left = 2
      Top = 2
      Width = 141
      Height = 125
      Center = True
    end
  end
  object cmbState: TComboBox
    Left = 232
    Top = 144
    Width = 145
    Height = 21
    Style = csDropDownList
    Enabled = False
    TabOrder = 2
    OnChange = cmbStateChange
    Items.Strings = (
      'Up'
      'Down'
      'Disabled'
      'Original')
  end
  object btngetpic: TButton
    Left = 8
    Top = 178
    Width = 105
    Height = 25
    Caption = '&Picture >>'
    Hint = 'Specify a picture for the 3D-effect.'
    TabOrder = 3
    OnClick = btngetpicClick
  end
  object btngetcap: TButton
    Left = 120
    Top = 178
    Width = 105
    Height = 25
    Caption = '&Caption >>'
    Hint = 'Specify a ZYLCaption for the 3D-effect.'
    TabOrder = 4
    OnClick = btngetpicClick
  end
  object lbInfo: TLabel
    Left = 8
    Top = 214
    Width = 369
    Height = 40
    AutoSize = False
    WordWrap = True
    Caption = 'Press the '#39'execute'#39'- button to start generating the 3d-effect. This might take some time. Press stop if you want to abort.'
  end
  object zylprog: TZYLProgress
    Left = 8
    Top = 262
    Width = 369
    Height = 24
    Style = pgSmallBar
    SmallBar.BarCount = 20
  end
  object Ok: TButton
    Left = 388
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    Enabled = False
    ModalResult = 1
    TabOrder = 5
  end
  object ZYLButton4: TButton
    Left = 388
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 6
    OnClick = STOPClick
  end
  object EXECUTE: TButton
    Left = 388
    Top = 112
    Width = 75
    Height = 25
    Caption = '&Execute'
    Hint = 'Executes the 3D-effect routine.'
    TabOrder = 7
    OnClick = EXECUTEClick
  end
  object STOP: TButton
    Left = 388
    Top = 144
    Width = 75
    Height = 25
    Caption = '&Stop'
    Hint = 'Aborts the 3D effect-routine'
    Enabled = False
    TabOrder = 8
    OnClick = STOPClick
  end
  object styler: TZYLFormStyler
    Left = 420
    Top = 240
  end
end
