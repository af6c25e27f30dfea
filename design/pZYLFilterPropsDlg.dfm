object ZYLFilterPropsDlg: TZYLFilterPropsDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Filter Editor'
  ClientHeight = 246
  ClientWidth = 424
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
  OnShow = FormShow
  PixelsPerInch = 96
  TextHeight = 13
  object FilterGrid: TStringGrid
    Left = 8
    Top = 8
    Width = 408
    Height = 196
    ColCount = 2
    DefaultColWidth = 190
    DefaultRowHeight = 18
    FixedCols = 0
    RowCount = 100
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing, goTabs]
    TabOrder = 0
  end
  object Bevel1: TBevel
    Left = 8
    Top = 208
    Width = 408
    Height = 2
    Shape = bsTopLine
  end
  object btOK: TButton
    Left = 260
    Top = 214
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
    OnClick = OKBtnClick
  end
  object btCancel: TButton
    Left = 341
    Top = 214
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object styler: TZYLFormStyler
    Left = 20
    Top = 214
  end
end
