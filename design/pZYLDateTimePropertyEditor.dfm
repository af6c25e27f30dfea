object ZYLFrmDateTimePropertyEditor: TZYLFrmDateTimePropertyEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'DateTimeFormat Property Editor'
  ClientHeight = 332
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
  object lbDefaults: TLabel
    Left = 8
    Top = 8
    Caption = 'Default settings:'
  end
  object lbCodes: TZYLListBox
    Left = 8
    Top = 24
    Width = 290
    Height = 178
    GridLines = glHorizontal
    HeaderSections = <
      item
        Text = 'Description'
        Width = 150
      end
      item
        Text = 'Code to insert'
        Width = 136
      end>
    Items.Strings = (
      'Day;dd'
      'Month;mm'
      'Year;yy'
      'Day of week;dddd'
      'Monthname;mmmm'
      'Year with thousands;yyyy'
      'Hour;hh'
      'Minutes;mm'
      'Seconds;ss'
      'Delimiter;every other symbol')
    TabOrder = 0
  end
  object gbFormat: TGroupBox
    Left = 8
    Top = 210
    Width = 290
    Height = 114
    Caption = 'DateTimeFormat'
    TabOrder = 1
    object lbCurrent: TLabel
      Left = 12
      Top = 20
      Caption = 'Current settings:'
      FocusControl = Edit1
    end
    object Edit1: TEdit
      Left = 12
      Top = 36
      Width = 266
      Height = 21
      TabOrder = 0
      OnChange = Edit1Change
    end
    object info: TZYLInformationLabel
      Left = 12
      Top = 62
      Width = 266
      Height = 17
      AutoSize = False
      DateTimeFormat = 'dd/mm/yy'
      Info = itCurrentDateTime
    end
    object ComboBox1: TComboBox
      Left = 12
      Top = 84
      Width = 266
      Height = 21
      Style = csDropDownList
      ItemIndex = 0
      TabOrder = 1
      OnChange = ComboBox1Change
      Items.Strings = (
        'Custom'
        '21.11.98'
        '11/21/98'
        '23:20'
        '23:20:12'
        '31.10.1998'
        'Thursday, 14.05.1998'
        'Thursday, 14.05.1998 15:01')
    end
  end
  object btOK: TButton
    Left = 309
    Top = 24
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object btCancel: TButton
    Left = 309
    Top = 55
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object styler: TZYLFormStyler
    Left = 340
    Top = 120
  end
end
