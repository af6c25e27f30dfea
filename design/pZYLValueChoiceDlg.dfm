object ZYLValueChoiceDlg: TZYLValueChoiceDlg
  Left = 240
  Top = 160
  BorderStyle = bsDialog
  Caption = 'Value'
  ClientHeight = 232
  ClientWidth = 264
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object lbl: TLabel
    Left = 8
    Top = 8
    Width = 160
    Height = 13
    Caption = '&Values:'
    FocusControl = lst
  end
  object lst: TListBox
    Left = 8
    Top = 26
    Width = 160
    Height = 196
    ItemHeight = 13
    TabOrder = 0
  end
  object btOK: TButton
    Left = 180
    Top = 26
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btCancel: TButton
    Left = 180
    Top = 58
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
end
