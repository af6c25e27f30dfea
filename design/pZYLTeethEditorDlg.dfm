object ZYLTeethEditorDlg: TZYLTeethEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Teeth-Editor'
  ClientHeight = 284
  ClientWidth = 500
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
    Mode = scmTeethFast
  end
  object lbDir: TLabel
    Left = 8
    Top = 132
    Caption = 'Direction:'
    FocusControl = cmb
  end
  object cmb: TComboBox
    Left = 80
    Top = 128
    Width = 120
    Height = 21
    Style = csDropDownList
    Hint = 'Specifies the directions the'#13#10'teeth point to.'
    TabOrder = 0
    OnChange = cmbChange
    Items.Strings = (
      'tdRight'
      'tdDown'
      'tdLeft'
      'tdUp')
  end
  object lbCount: TLabel
    Left = 8
    Top = 160
    Caption = 'Count:'
    FocusControl = spinc
  end
  object spinc: TZYLSpinEdit
    Left = 80
    Top = 156
    Width = 50
    MinValue = 0
    MaxValue = 50
    Hint = 'Specifies the count of teeth.'
    TabOrder = 1
    OnChange = spinChange
  end
  object lbWidth: TLabel
    Left = 8
    Top = 188
    Caption = 'Width:'
    FocusControl = spinW
  end
  object spinW: TZYLSpinEdit
    Left = 80
    Top = 184
    Width = 50
    MinValue = 0
    MaxValue = 250
    Hint = 'Specifies the width of the teeth.'
    TabOrder = 2
    OnChange = spinChange
  end
  object lbHeight: TLabel
    Left = 8
    Top = 216
    Caption = 'Height:'
    FocusControl = spinh
  end
  object spinh: TZYLSpinEdit
    Left = 80
    Top = 212
    Width = 50
    MinValue = 0
    MaxValue = 250
    Hint = 'Specifies the height of the teeth.'
    TabOrder = 3
    OnChange = spinChange
  end
  object chkc: TCheckBox
    Left = 160
    Top = 158
    Width = 120
    Height = 17
    Caption = 'SetPerCount'
    TabOrder = 4
    OnClick = chkClick
  end
  object chko: TCheckBox
    Left = 160
    Top = 186
    Width = 120
    Height = 17
    Caption = 'Offset'
    TabOrder = 5
    OnClick = chkClick
  end
  object lbNote1: TLabel
    Left = 8
    Top = 236
    Width = 400
    Height = 26
    AutoSize = False
    WordWrap = True
    Caption = 'SetPerCount decides either the "Count"-value or the "Width/Height"-values will be used to draw the shape.'
  end
  object lbNote2: TLabel
    Left = 8
    Top = 262
    Caption = 'Offset decides whether the outer edges are drawn sharp.'
  end
  object btOK: TButton
    Left = 416
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 6
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 416
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 7
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 416
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 8
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 440
    Top = 120
  end
end
