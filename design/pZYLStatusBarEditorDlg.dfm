object ZYLStatusBarEditorDlg: TZYLStatusBarEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'StatusBar Editor'
  ClientHeight = 184
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
  object gbPredefined: TGroupBox
    Left = 8
    Top = 8
    Width = 290
    Height = 168
    Caption = 'Pre-Defined StatusBars'
    TabOrder = 0
    object ListBox: TListBox
      Left = 10
      Top = 18
      Width = 270
      Height = 140
      ItemHeight = 13
      Items.Strings = (
        'Text (Hint), Caps, Num, Scroll, Time'
        'Text (Hint), Caps, Num, Scroll, DateTime'
        'Text (Hint) only'
        'Caps, Num, Scroll'
        'DateTime'
        'CurrentUser')
      TabOrder = 0
      OnDblClick = ListBoxDblClick
    end
  end
  object btOK: TButton
    Left = 306
    Top = 14
    Width = 80
    Height = 25
    Caption = 'Ok && Insert'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btCancel: TButton
    Left = 306
    Top = 45
    Width = 80
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object styler: TZYLFormStyler
    Left = 330
    Top = 130
  end
end
