object ZYLBrushEditorDlg: TZYLBrushEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'TBrush-Editor'
  ClientHeight = 172
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
  object test: TShape
    Left = 8
    Top = 8
    Width = 220
    Height = 90
  end
  object lbColor: TLabel
    Left = 8
    Top = 116
    Caption = 'Color:'
    FocusControl = cmbc
  end
  object cmbc: TZYLColorComboBox
    Left = 60
    Top = 112
    Width = 120
    Height = 22
    Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
    TabOrder = 0
    OnChange = cmbcChange
  end
  object btc: TButton
    Left = 182
    Top = 112
    Width = 21
    Height = 21
    Caption = '...'
    TabOrder = 1
    OnClick = ColorButtonClick
  end
  object lbStyle: TLabel
    Left = 8
    Top = 144
    Caption = 'Style:'
    FocusControl = cmb
  end
  object cmb: TComboBox
    Left = 60
    Top = 140
    Width = 120
    Height = 21
    Style = csDropDownList
    TabOrder = 2
    OnChange = cmbChange
    Items.Strings = (
      'bsSolid'
      'bsClear'
      'bsHorizontal'
      'bsVertical'
      'bsFDiagonal'
      'bsBDiagonal'
      'bsCross'
      'bsDiagCross')
  end
  object btOK: TButton
    Left = 240
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 3
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 240
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 4
    Cancel = True
    ModalResult = 2
  end
  object styler: TZYLFormStyler
    Left = 260
    Top = 120
  end
end
