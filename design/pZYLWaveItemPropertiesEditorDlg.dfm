object ZYLFrmwiprop: TZYLFrmwiprop
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'WaveItem - Properties'
  ClientHeight = 214
  ClientWidth = 318
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
  object lbDesc: TLabel
    Left = 8
    Top = 38
    Caption = 'Descr.:'
  end
  object desc: TEdit
    Left = 56
    Top = 34
    Width = 166
    Height = 21
    TabOrder = 1
  end
  object lbInternal: TLabel
    Left = 8
    Top = 66
    Caption = 'Internal Wave:'
  end
  object change: TButton
    Left = 147
    Top = 62
    Width = 75
    Height = 23
    Caption = '&Change'
    TabOrder = 2
    OnClick = changeClick
  end
  object format: TLabel
    Left = 16
    Top = 88
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object lbSize: TLabel
    Left = 16
    Top = 106
    Caption = 'Size:'
  end
  object size: TLabel
    Left = 48
    Top = 106
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object lbBits: TLabel
    Left = 16
    Top = 124
    Caption = 'Bit:'
  end
  object bits: TLabel
    Left = 48
    Top = 124
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object lbRate: TLabel
    Left = 130
    Top = 106
    Caption = 'SR:'
  end
  object samplerate: TLabel
    Left = 156
    Top = 106
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object lbChannels: TLabel
    Left = 130
    Top = 124
    Caption = 'Ch.:'
  end
  object Channels: TLabel
    Left = 156
    Top = 124
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object lbExternal: TLabel
    Left = 8
    Top = 152
    Caption = 'External Wave:'
  end
  object lbIdent: TLabel
    Left = 16
    Top = 176
    Caption = 'Ident:'
  end
  object ed: TZYLSpinEdit
    Left = 56
    Top = 172
    Width = 73
    MinValue = 0
    MaxValue = 65535
    TabOrder = 3
  end
  object Button1: TButton
    Left = 235
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 4
  end
  object Button2: TButton
    Left = 235
    Top = 40
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 5
  end
  object c: TZYLWaveComp
    Left = 260
    Top = 150
  end
  object ZYLFormStyler1: TZYLFormStyler
    Left = 260
    Top = 180
  end
end
