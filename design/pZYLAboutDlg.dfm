object ZYLToolsAbout: TZYLToolsAbout
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Info ZYL-Tools'
  ClientHeight = 442
  ClientWidth = 457
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Arial'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 14
  object ZYLLImage1: TZYLLImage
    Left = 6
    Top = 7
    Width = 444
    Height = 204
    ImageList = ZYLBitmapList1
    Style = sbAutosize
  end
  object ok: TButton
    Left = 375
    Top = 410
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object zylvar: TPageControl
    Left = 6
    Top = 218
    Width = 444
    Height = 185
    HotTrack = True
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = 'General'
      object des: TLabel
        Left = 8
        Top = 8
        Width = 420
        Height = 140
        AutoSize = False
        WordWrap = True
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'Settings'
      object editorset: TZYLCheckGroup
        Left = 8
        Top = 8
        Width = 260
        Height = 136
        Caption = 'ZYL-Tools global property editors...'
        TabOrder = 0
        Items.Strings = (
          'Enable extended &String editor'
          'Enable extended T&Hint editor'
          'Enable extended T&Caption editor'
          'Enable extended TSt&rings editor')
      end
      object restart: TLabel
        Left = 280
        Top = 16
        Width = 148
        Height = 60
        AutoSize = False
        Caption = 'Changes require restart of IDE to take effect.'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clNavy
        Font.Height = -11
        Font.Name = 'Arial'
        Font.Style = []
        ParentFont = False
        WordWrap = True
      end
    end
  end
  object ZYLBitmapList1: TZYLBitmapList
    Left = 16
    Top = 400
  end
  object ZYLFormStyler1: TZYLFormStyler
    Left = 48
    Top = 400
  end
  object ZYLForm1: TZYLForm
    Effect = deExplodeExt
    IniKey = 'ZYLToolsAbout'
    Left = 80
    Top = 400
  end
end
