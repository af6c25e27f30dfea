object ZYLfrmRegionFromBMPdlg: TZYLfrmRegionFromBMPdlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ZYL Region from Bitmap Editor'
  ClientHeight = 332
  ClientWidth = 440
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  ShowHint = True
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object pc: TPageControl
    Left = 8
    Top = 8
    Width = 424
    Height = 282
    ActivePage = tsImage
    TabOrder = 0
    object tsImage: TTabSheet
      Caption = 'Image && Colors'
      object LoadButton: TSpeedButton
        Left = 8
        Top = 8
        Width = 75
        Height = 25
        Caption = '&Load'
        Flat = True
        Hint = 'Load an image'
        OnClick = LoadButtonClick
      end
      object DimLabel: TLabel
        Left = 92
        Top = 14
        Caption = 'Bitmap size:'
      end
      object sb: TScrollBox
        Left = 8
        Top = 40
        Width = 220
        Height = 206
        TabOrder = 0
        object Image1: TImage
          Left = 0
          Top = 0
          Width = 100
          Height = 100
          AutoSize = True
          Cursor = crHandPoint
          Hint = 'Left mouse btn -> select color'#13#10'Right mouse btn -> zoom'
          OnMouseDown = Image1MouseDown
          OnMouseMove = Image1MouseMove
        end
      end
      object lbColors: TLabel
        Left = 236
        Top = 8
        Caption = 'Colors to be transparent:'
        FocusControl = cl
      end
      object cl: TListBox
        Left = 236
        Top = 24
        Width = 172
        Height = 100
        ItemHeight = 16
        Hint = 'Colors which will be excluded from the visible region'#13#10'Remove by pressing delete'
        TabOrder = 1
        OnKeyDown = clKeyDown
      end
      object cc: TLabel
        Left = 236
        Top = 130
        Width = 172
        Height = 16
        AutoSize = False
        Transparent = False
        Caption = ''
      end
      object lbZoom: TLabel
        Left = 236
        Top = 152
        Caption = 'Zoom:'
      end
      object zoom: TPaintBox
        Left = 236
        Top = 168
        Width = 80
        Height = 80
        Cursor = crHandPoint
        Hint = 'Left mouse btn -> select color'
        OnMouseDown = zoomMouseDown
        OnMouseMove = zoomMouseMove
        OnPaint = zoomPaint
      end
      object ViewLabel: TLabel
        Left = 324
        Top = 168
        Caption = ''
      end
    end
    object tsBuild: TTabSheet
      Caption = 'Border && Build'
      object BuildButton: TSpeedButton
        Left = 8
        Top = 8
        Width = 75
        Height = 25
        Caption = '&Build'
        Flat = True
        Enabled = False
        Hint = 'Build region and border bitmap'
        OnClick = BuildButtonClick
      end
      object Progress: TZYLProgressFill
        Left = 8
        Top = 44
        Width = 400
        Height = 20
        Visible = False
        Hint = 'Shows build progress'
        FillObject.Gradient.Color = clNavy
        FillObject.Gradient.EndColor = clAqua
        FillObject.Style = sfGradient
        OptionsText = toPercent
      end
      object lbBorder: TLabel
        Left = 8
        Top = 82
        Caption = 'BorderStyle:'
        FocusControl = cb
      end
      object cb: TComboBox
        Left = 96
        Top = 78
        Width = 130
        Height = 21
        Style = csDropDownList
        Hint = 'Select a border style'
        TabOrder = 0
        OnChange = cbChange
        Items.Strings = (
          'None'
          'Single'
          'Raised'
          'Lowered'
          'Single-Raised'
          'Single-Lowered')
      end
      object cb2: TComboBox
        Left = 96
        Top = 78
        Width = 130
        Height = 21
        Style = csDropDownList
        Visible = False
        Hint = 'Select a border style'
        TabOrder = 1
        OnChange = cbChange
        Items.Strings = (
          'Win31'
          'Win40'
          'Simple')
      end
      object ccb: TCheckBox
        Left = 8
        Top = 112
        Width = 150
        Height = 17
        Caption = 'Compress image'
        TabOrder = 2
        OnClick = ccbChange
      end
      object lbDepth: TLabel
        Left = 8
        Top = 142
        Caption = 'Colordepth:'
        FocusControl = colb
      end
      object colb: TComboBox
        Left = 96
        Top = 138
        Width = 130
        Height = 21
        Style = csDropDownList
        TabOrder = 3
        OnChange = colbChange
        Items.Strings = (
          'spfDefault'
          'spfMono'
          'spf4bit'
          'spf8bit'
          'spf16bit')
      end
    end
  end
  object CancelButton: TButton
    Left = 276
    Top = 298
    Width = 75
    Height = 25
    Caption = '&Cancel'
    Cancel = True
    TabOrder = 1
    OnClick = CancelButtonClick
  end
  object OKButton: TButton
    Left = 357
    Top = 298
    Width = 75
    Height = 25
    Caption = 'Ok'
    Default = True
    Enabled = False
    ModalResult = 1
    TabOrder = 2
    OnClick = OKButtonClick
  end
  object openpic: TOpenPictureDialog
    Filter = 'Bitmaps (*.bmp)|*.bmp'
    Left = 8
    Top = 298
  end
end
