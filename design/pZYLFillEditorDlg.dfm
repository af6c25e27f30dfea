object ZYLFillEditorDlg: TZYLFillEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'FillObject-Editor'
  ClientHeight = 340
  ClientWidth = 420
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
  object test: TZYLFill
    Left = 8
    Top = 8
    Width = 316
    Height = 90
    Bevel.Mode = bmStandard
  end
  object nb: TPageControl
    ActivePage = tbStyle
    Left = 8
    Top = 106
    Width = 316
    Height = 226
    TabOrder = 0
    object tbStyle: TTabSheet
      Caption = 'Style'
      object lbStyle: TLabel
        Left = 8
        Top = 12
        Caption = 'Style:'
        FocusControl = cmbStyle
      end
      object cmbStyle: TComboBox
        Left = 60
        Top = 8
        Width = 130
        Height = 21
        Style = csDropDownList
        Hint = 'Specifies the style of filling.'
        TabOrder = 0
        OnChange = cmbStyleChange
        Items.Strings = (
          'sfNone'
          'sfBrushBitmap'
          'sfBrush'
          'sfBitmap'
          'sfBitmapList'
          'sfGradient')
      end
      object ck1: TCheckBox
        Left = 8
        Top = 48
        Width = 296
        Height = 17
        Caption = 'FillInner (e.g. if Bitmap covers not complete dest. area)'
        TabOrder = 1
        OnClick = ckClick
      end
      object ck2: TCheckBox
        Left = 8
        Top = 72
        Width = 296
        Height = 17
        Caption = 'QuickDraw (don'#39't use palette ->bitmap drawing)'
        TabOrder = 2
        OnClick = ckClick
      end
      object ck3: TCheckBox
        Left = 8
        Top = 96
        Width = 296
        Height = 17
        Caption = 'UseOffScreen (Gradient style uses offscreen bitmap)'
        TabOrder = 3
        OnClick = ckClick
      end
    end
    object tbBitmap: TTabSheet
      Caption = 'Bitmap'
      object iTest: TZYLNImage
        Left = 8
        Top = 8
        Width = 180
        Height = 120
        Style = sbStretch
      end
      object lbTile: TLabel
        Left = 8
        Top = 148
        Caption = 'TileMode:'
        FocusControl = cmbTile
      end
      object cmbTile: TComboBox
        Left = 70
        Top = 144
        Width = 118
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = cmbTileChange
        Items.Strings = (
          'tmNone'
          'tmCenter'
          'tmStretch'
          'tmTile')
      end
      object btnbitmap: TButton
        Left = 200
        Top = 8
        Width = 90
        Height = 25
        Caption = 'Bitmap >>'
        TabOrder = 1
        OnClick = btnbitmapClick
      end
    end
    object tbBrush: TTabSheet
      Caption = 'Brush'
      object btest: TZYLFill
        Left = 8
        Top = 8
        Width = 180
        Height = 120
        Bevel.Mode = bmStandard
        FillObject.Style = sfBrush
      end
      object btnbrush: TButton
        Left = 200
        Top = 8
        Width = 90
        Height = 25
        Caption = 'Brush >>'
        TabOrder = 0
        OnClick = btnbrushClick
      end
      object info: TLabel
        Left = 8
        Top = 140
        Caption = 'TZYLShapeFill-object uses '#13#10'the brush of a parent control-'
        Visible = False
      end
    end
    object tbGradient: TTabSheet
      Caption = 'Gradient'
      object gTest: TZYLFill
        Left = 8
        Top = 8
        Width = 180
        Height = 120
        Bevel.Mode = bmStandard
        FillObject.Style = sfGradient
      end
      object btngradient: TButton
        Left = 200
        Top = 8
        Width = 90
        Height = 25
        Caption = 'Gradient >>'
        TabOrder = 0
        OnClick = btngradientClick
      end
    end
  end
  object btOK: TButton
    Left = 336
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 1
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 336
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 2
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 336
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 3
    OnClick = resetClick
  end
  object fs: TZYLFormStyler
    Left = 360
    Top = 120
  end
end
