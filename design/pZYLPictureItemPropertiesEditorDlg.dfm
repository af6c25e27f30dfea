object zylfrmpiprop: Tzylfrmpiprop
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'PictureItem - Properties'
  ClientHeight = 198
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
  Scaled = False
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
  object lbPicture: TLabel
    Left = 8
    Top = 38
    Caption = 'Internal Picture:'
  end
  object img: TImage
    Left = 8
    Top = 54
    Width = 105
    Height = 59
  end
  object change: TButton
    Left = 120
    Top = 54
    Width = 75
    Height = 23
    Caption = '&Change'
    TabOrder = 2
    OnClick = changeClick
  end
  object dimLabel: TZYLSimpleLabel
    Left = 120
    Top = 86
    Width = 90
    Height = 13
  end
  object lbDesc: TLabel
    Left = 8
    Top = 136
    Caption = 'Description:'
  end
  object desc: TEdit
    Left = 80
    Top = 132
    Width = 218
    Height = 21
    TabOrder = 3
  end
  object lbId: TLabel
    Left = 8
    Top = 166
    Caption = 'External Id:'
  end
  object ed: TZYLSpinEdit
    Left = 80
    Top = 162
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
