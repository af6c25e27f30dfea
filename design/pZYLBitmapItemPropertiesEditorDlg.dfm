object zylfrmbiprop: Tzylfrmbiprop
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'BitmapItem - Properties'
  ClientHeight = 208
  ClientWidth = 306
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object lbIndex: TLabel
    Left = 8
    Top = 10
    Caption = 'Index: '
  end
  object Index: TZYLSimpleLabel
    Left = 48
    Top = 10
    Width = 40
    Height = 13
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object compress: TCheckBox
    Left = 104
    Top = 8
    Width = 97
    Height = 17
    Caption = 'Compre&ssed'
    TabOrder = 0
  end
  object lbFmt: TLabel
    Left = 8
    Top = 38
    Caption = 'PixelFmt:'
  end
  object cmb: TComboBox
    Left = 80
    Top = 34
    Width = 121
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    TabOrder = 1
    Items.Strings = (
      'spfDefault'
      'spfMono'
      'spf4bit'
      'spf8bit'
      'spf16bit')
  end
  object lbBitmap: TLabel
    Left = 8
    Top = 64
    Caption = 'Internal Bitmap:'
  end
  object img: TZYLNImage
    Left = 8
    Top = 80
    Width = 93
    Height = 48
  end
  object change: TButton
    Left = 108
    Top = 80
    Width = 75
    Height = 23
    Caption = '&Change'
    TabOrder = 2
    OnClick = changeClick
  end
  object dimLabel: TZYLSimpleLabel
    Left = 108
    Top = 112
    Width = 90
    Height = 13
  end
  object lbDesc: TLabel
    Left = 8
    Top = 146
    Caption = 'Description:'
  end
  object desc: TEdit
    Left = 80
    Top = 142
    Width = 218
    Height = 21
    TabOrder = 3
  end
  object lbId: TLabel
    Left = 8
    Top = 176
    Caption = 'External Id:'
  end
  object ed: TZYLSpinEdit
    Left = 80
    Top = 172
    Width = 73
    MinValue = 0
    MaxValue = 65535
    TabOrder = 4
  end
  object btOK: TButton
    Left = 223
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 5
  end
  object btCancel: TButton
    Left = 223
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 6
  end
end
