object ZYLCaptionEditorDlg: TZYLCaptionEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TZYLCaption-Editor'
  ClientHeight = 268
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
    Width = 296
    Height = 110
  end
  object lbAlignment: TLabel
    Left = 8
    Top = 134
    Caption = 'Alignment:'
    FocusControl = cmb
  end
  object cmb: TComboBox
    Left = 80
    Top = 130
    Width = 130
    Height = 21
    Style = csDropDownList
    Hint = 'Aligns your text in the object it is embedded in.'
    TabOrder = 0
    OnChange = cmbChange
    Items.Strings = (
      'agTopLeft'
      'agTopCenter'
      'agTopRight'
      'agCenterLeft'
      'agCenter'
      'agCenterRight'
      'agBottomLeft'
      'agBottomCenter'
      'agBottomRight')
  end
  object lbCaption: TLabel
    Left = 8
    Top = 166
    Caption = '&Caption:'
    FocusControl = cap
  end
  object cap: TEdit
    Left = 80
    Top = 162
    Width = 224
    Height = 21
    TabOrder = 1
    OnChange = capChange
  end
  object chk: TCheckBox
    Left = 80
    Top = 194
    Width = 120
    Height = 17
    Caption = 'MultiLine'
    Hint = 'Specifies whether WordWrap is used.'
    TabOrder = 2
    OnClick = chkClick
  end
  object btnFont: TButton
    Left = 80
    Top = 226
    Width = 100
    Height = 25
    Caption = 'Font >>'
    TabOrder = 3
    OnClick = btnFontClick
  end
  object btnFX: TButton
    Left = 188
    Top = 226
    Width = 100
    Height = 25
    Caption = 'FontFX >>'
    Hint = 'Changes rotation, 3D-effect etc.'
    TabOrder = 4
    OnClick = btnFXClick
  end
  object btOK: TButton
    Left = 316
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 5
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 316
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 6
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 316
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 7
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 340
    Top = 120
  end
end
