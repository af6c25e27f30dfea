object ZYLFrmprop: TZYLFrmprop
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Properties'
  ClientHeight = 207
  ClientWidth = 289
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
  object g2: TGroupBox
    Left = 8
    Top = 4
    Width = 193
    Height = 195
    Caption = 'BMP2IML, Import Options'
    TabOrder = 1
    Visible = False
    object lbRows: TLabel
      Left = 12
      Top = 24
      Caption = 'Number of items to convert:'
    end
    object rows: TComboBox
      Left = 12
      Top = 42
      Width = 93
      Height = 21
      Style = csDropDownList
      ItemHeight = 13
      TabOrder = 0
    end
    object mk: TZYLCheckBox
      Left = 12
      Top = 74
      Width = 97
      Height = 17
      Caption = 'Masked'
      TabOrder = 1
    end
  end
  object g1: TGroupBox
    Left = 8
    Top = 4
    Width = 193
    Height = 195
    Caption = 'Properties'
    TabOrder = 0
    object lbDesc: TLabel
      Left = 12
      Top = 22
      Caption = 'Descr.:'
    end
    object desc: TEdit
      Left = 72
      Top = 18
      Width = 109
      Height = 21
      TabOrder = 0
    end
    object lbWidth: TLabel
      Left = 12
      Top = 48
      Caption = 'Width:'
    end
    object ed2: TZYLSpinEdit
      Left = 72
      Top = 44
      Width = 57
      MinValue = 0
      MaxValue = 10000
      TabOrder = 1
    end
    object lbHeight: TLabel
      Left = 12
      Top = 74
      Caption = 'Height:'
    end
    object ed1: TZYLSpinEdit
      Left = 72
      Top = 70
      Width = 57
      MinValue = 0
      MaxValue = 10000
      TabOrder = 2
    end
    object lbAllocBy: TLabel
      Left = 12
      Top = 100
      Caption = 'AllocBy:'
    end
    object ed3: TZYLSpinEdit
      Left = 72
      Top = 96
      Width = 57
      MinValue = 0
      MaxValue = 100
      TabOrder = 3
    end
    object lbFmt: TLabel
      Left = 12
      Top = 126
      Caption = 'PixelFmt:'
    end
    object cmb: TComboBox
      Left = 72
      Top = 122
      Width = 109
      Height = 21
      Style = csDropDownList
      ItemHeight = 13
      TabOrder = 4
      Items.Strings = (
        'spfDefault'
        'spfMono'
        'spf4bit'
        'spf8bit'
        'spf16bit')
    end
    object compress: TZYLCheckBox
      Left = 12
      Top = 152
      Width = 85
      Height = 17
      Caption = 'Compre&ssed'
      TabOrder = 5
    end
    object Maske: TZYLCheckBox
      Left = 12
      Top = 172
      Width = 85
      Height = 17
      Caption = 'Masked'
      TabOrder = 6
    end
    object ZYLButton1: TZYLButton
      Left = 100
      Top = 150
      Width = 85
      Height = 38
      Caption = 'Get Dimensions'#13#10'from &Bitmap'
      TabOrder = 7
      OnClick = ZYLButton1Click
    end
  end
  object btOK: TButton
    Left = 208
    Top = 10
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object btCancel: TButton
    Left = 208
    Top = 42
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
end
