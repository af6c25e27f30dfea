object ZYLLEDEditorDlg: TZYLLEDEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'LED-Editor'
  ClientHeight = 322
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
  object test: TZYLLEDLabel
    Left = 8
    Top = 8
    Width = 316
    Height = 60
    Caption = 'TEST-LED'
    Hint = 'Shows the current settings.'
  end
  object lbhs: TLabel
    Left = 8
    Top = 84
    Caption = '&HorzSize:'
    FocusControl = edhs
  end
  object edhs: TZYLSpinEdit
    Left = 100
    Top = 80
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Defines the horizontal size of the LED-letters.'
    TabOrder = 0
    OnChange = edchange
  end
  object lbvs: TLabel
    Left = 8
    Top = 112
    Caption = '&VertSize:'
    FocusControl = edvs
  end
  object edvs: TZYLSpinEdit
    Left = 100
    Top = 108
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Defines the vertical size of the LED-letters.'
    TabOrder = 1
    OnChange = edchange
  end
  object lbt: TLabel
    Left = 8
    Top = 140
    Caption = '&Thickness:'
    FocusControl = edt
  end
  object edt: TZYLSpinEdit
    Left = 100
    Top = 136
    Width = 50
    MinValue = 0
    MaxValue = 100
    Hint = 'Defines the thickness of the LED-letters.'
    TabOrder = 2
    OnChange = edchange
  end
  object lbb: TLabel
    Left = 8
    Top = 172
    Caption = '&ActiveColor:'
    FocusControl = cmbb
  end
  object cmbb: TZYLColorComboBox
    Left = 100
    Top = 168
    Width = 130
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Defines the color for active LED-letters.'
    TabOrder = 3
    OnChange = cmbc
  end
  object bt1: TButton
    Left = 232
    Top = 168
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 4
    OnClick = ColorButtonClick
  end
  object lbL: TLabel
    Left = 8
    Top = 200
    Caption = '&InActiveColor:'
    FocusControl = cmbL
  end
  object cmbL: TZYLColorComboBox
    Left = 100
    Top = 196
    Width = 130
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Defines the color for inactive LED-letters.'
    TabOrder = 5
    OnChange = cmbc
  end
  object bt2: TButton
    Left = 232
    Top = 196
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 6
    OnClick = ColorButtonClick
  end
  object chk: TCheckBox
    Left = 100
    Top = 226
    Width = 150
    Height = 17
    Caption = ' &DisabledDigits'
    Hint = 
      'If DisabledDigits is set to true and'#13#10'Enabled to false, the LED wil' +
      'l be '#13#10'displayed with the InactiveColor.'
    TabOrder = 7
    OnClick = chkClick
  end
  object lbpred: TLabel
    Left = 8
    Top = 256
    Caption = '&Pred. Color:'
    FocusControl = pred
  end
  object pred: TComboBox
    Left = 100
    Top = 252
    Width = 130
    Height = 21
    Style = csDropDownList
    Hint = 'Defines the color for both '#13#10'active and inactive LED-letters.'
    TabOrder = 8
    OnChange = predChange
  end
  object lbNote: TLabel
    Left = 8
    Top = 284
    Caption = 
      'Predefined Color-Settings for Active-/InActiveColor'#13#10'don'#39't appear' +
      ' in the Combobox.'
  end
  object btOK: TButton
    Left = 336
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 9
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 336
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 10
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 336
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 11
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 360
    Top = 120
  end
end
