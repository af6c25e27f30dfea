object ZYLShapeEditorDlg: TZYLShapeEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ZYLShape-Editor'
  ClientHeight = 196
  ClientWidth = 392
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnActivate = FormActivate
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object test: TZYLShapeControl
    Left = 8
    Top = 8
    Width = 250
    Height = 180
    Caption.Caption = 'Shape-Testobject'
  end
  object lbShape: TLabel
    Left = 268
    Top = 8
    Caption = '&Shape:'
    FocusControl = pred
  end
  object pred: TComboBox
    Left = 268
    Top = 24
    Width = 116
    Height = 21
    Style = csDropDownList
    TabOrder = 0
    OnChange = predChange
    Items.Strings = (
      'stEllipse'
      'stRectangle'
      'stRoundRect'
      'stDirectUp'
      'stDirectRight'
      'stDirectDown'
      'stDirectLeft'
      'stDiamond'
      'stComb'
      'stOctagon'
      'stStar')
  end
  object btOK: TButton
    Left = 309
    Top = 132
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btCancel: TButton
    Left = 309
    Top = 163
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object styler: TZYLFormStyler
    Left = 340
    Top = 80
  end
end
