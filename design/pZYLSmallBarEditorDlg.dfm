object ZYLSmallBarEditorDlg: TZYLSmallBarEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TZYLSmallBar - Editor'
  ClientHeight = 170
  ClientWidth = 324
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
  object test: TZYLProgress
    Left = 8
    Top = 8
    Width = 220
    Height = 30
    OptionsText = toPercent
    Position = 50
  end
  object lbColor: TLabel
    Left = 8
    Top = 56
    Caption = 'BarColor:'
    FocusControl = cmbb
  end
  object cmbb: TZYLColorComboBox
    Left = 80
    Top = 52
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    Hint = 'Specifies the color of the bar.'
    TabOrder = 0
    OnChange = cmbbChange
  end
  object btb: TButton
    Left = 202
    Top = 52
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 1
    OnClick = ColorButtonClick
  end
  object lbCount: TLabel
    Left = 8
    Top = 84
    Caption = 'BarCount:'
    FocusControl = spinc
  end
  object spinc: TZYLSpinEdit
    Left = 80
    Top = 80
    Width = 50
    MinValue = 1
    MaxValue = 255
    Hint = 'Defines the count of bar items being displayed.'
    TabOrder = 2
    OnChange = spinChange
  end
  object lbH: TLabel
    Left = 8
    Top = 112
    Caption = 'HSpace:'
    FocusControl = spinh
  end
  object spinh: TZYLSpinEdit
    Left = 80
    Top = 108
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Specifies the space between the'#13#10'bevel and the bar items in horizontal'#13#10'direction.'
    TabOrder = 3
    OnChange = spinChange
  end
  object lbV: TLabel
    Left = 8
    Top = 140
    Caption = 'VSpace:'
    FocusControl = spinv
  end
  object spinv: TZYLSpinEdit
    Left = 80
    Top = 136
    Width = 50
    MinValue = 0
    MaxValue = 255
    Hint = 'Specifies the space between the'#13#10'bevel and the bar items in vertical'#13#10'direction.'
    TabOrder = 4
    OnChange = spinChange
  end
  object chk: TCheckBox
    Left = 150
    Top = 82
    Width = 120
    Height = 17
    Caption = 'Autosize'
    Hint = 'Specifies wheter the size of the'#13#10'smallbar is set automatically.'
    TabOrder = 5
    OnClick = chkClick
  end
  object btOK: TButton
    Left = 240
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 6
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 240
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 7
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 240
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 8
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 260
    Top = 130
  end
end
