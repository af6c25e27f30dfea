object ZYLfrmMaskEditDlg: TZYLfrmMaskEditDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ZYL Mask property editor'
  ClientHeight = 236
  ClientWidth = 400
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
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 384
    Height = 184
    BevelOuter = bvLowered
    TabOrder = 0
    object lbMask: TLabel
      Left = 8
      Top = 10
      Caption = 'Input &Mask:'
      FocusControl = MaskEdit
    end
    object MaskEdit: TEdit
      Left = 80
      Top = 6
      Width = 292
      Height = 21
      TabOrder = 0
    end
    object lbSamples: TLabel
      Left = 8
      Top = 36
      Caption = 'Sample Masks:'
    end
    object MaskListBox: TZYLListBox
      Left = 8
      Top = 52
      Width = 364
      Height = 122
      Delimiter = '|'
      GridLines = glHorizontal
      HeaderSections = <
        item
          Text = 'Mask'
          Width = 200
        end
        item
          Text = 'Description'
          Width = 160
        end>
      Items.Strings = (
        '\(888\)\ 888-8888| phone'
        '888\-888\-8888| phone'
        '\(88888\)8888888| phone'
        '88888\ 8888888| phone'
        '88888\-8888888| phone'
        '88888\-8888| US zip code'
        '99999| German zip code')
      TabOrder = 1
      OnClick = MaskListBoxClick
    end
  end
  object btOK: TButton
    Left = 236
    Top = 202
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object btCancel: TButton
    Left = 317
    Top = 202
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object styler: TZYLFormStyler
    Left = 20
    Top = 202
  end
end
