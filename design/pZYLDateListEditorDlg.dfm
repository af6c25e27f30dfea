object ZYLDateListEditorDlg: TZYLDateListEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ZYL DateListPropertyEditor'
  ClientHeight = 300
  ClientWidth = 460
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
  object DList: TZYLListBox
    Left = 8
    Top = 8
    Width = 444
    Height = 180
    GridLines = glHorizontal
    HeaderSections = <
      item
        Text = 'Date'
        Width = 90
      end
      item
        Text = 'Time'
        Width = 80
      end
      item
        Text = 'Description'
        Width = 250
      end>
    TabOrder = 0
    OnClick = DListClick
  end
  object DateEdit: TDateTimePicker
    Left = 8
    Top = 196
    Width = 110
    Height = 21
    Hint = 'The date of the selected line.'
    TabOrder = 1
    OnChange = DateEditChange
  end
  object TimeEdit: TDateTimePicker
    Left = 124
    Top = 196
    Width = 100
    Height = 21
    Hint = 'The time of the selected line.'
    Kind = dtkTime
    TabOrder = 2
    OnChange = TimeEditChange
  end
  object Des: TZYLEdit
    Left = 230
    Top = 196
    Width = 222
    Height = 21
    Hint = 'The description of the selected line.'
    TabOrder = 3
    OnTextChangedAt = DesTextChangedAt
  end
  object AddBtn: TButton
    Left = 8
    Top = 228
    Width = 75
    Height = 25
    Caption = 'Add'
    TabOrder = 4
    OnClick = AddBtnClick
  end
  object DelBtn: TButton
    Left = 88
    Top = 228
    Width = 75
    Height = 25
    Caption = 'Delete'
    TabOrder = 5
    OnClick = DelBtnClick
  end
  object UpBtn: TButton
    Left = 168
    Top = 228
    Width = 75
    Height = 25
    Caption = 'Up'
    TabOrder = 6
    OnClick = UpBtnClick
  end
  object DownBtn: TButton
    Left = 248
    Top = 228
    Width = 75
    Height = 25
    Caption = 'Down'
    TabOrder = 7
    OnClick = DownBtnClick
  end
  object btOK: TButton
    Left = 296
    Top = 266
    Width = 75
    Height = 25
    Caption = 'Ok'
    Default = True
    ModalResult = 1
    TabOrder = 8
  end
  object btCancel: TButton
    Left = 377
    Top = 266
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 9
  end
  object styler: TZYLFormStyler
    Left = 420
    Top = 228
  end
end
