object ZYLGlyphTextLayoutEditorDlg: TZYLGlyphTextLayoutEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'GlyphTextLayout-Editor'
  ClientHeight = 330
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
  object test: TZYLSpeedButton
    Left = 8
    Top = 8
    Width = 316
    Height = 60
    Caption = 'Test-Caption'
  end
  object lbNote: TLabel
    Left = 8
    Top = 72
    Width = 316
    Height = 28
    AutoSize = False
    WordWrap = True
    Caption = 
      'Test button doesn'#39't reflect current control settings. It demonstr' +
      'ates GlyphTextLayout effects only. '
  end
  object nb: TPageControl
    ActivePage = tbAlignment
    Left = 8
    Top = 104
    Width = 316
    Height = 216
    TabOrder = 0
    object tbAlignment: TTabSheet
      Caption = 'Alignment'
      object lbAlignment: TLabel
        Left = 8
        Top = 12
        Caption = 'Alignment:'
        FocusControl = cmb
      end
      object cmb: TComboBox
        Left = 110
        Top = 8
        Width = 130
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = cmbChange
        Items.Strings = (
          'agTopLeft'
          'agTopCenter'
          'agTopRight'
          'agCenterLeft'
          'agCenter'
          'agCenterRight'
          'agBottomLeft'
          'agBottomCenter'
          'agBottomRight')
      end
      object lbAlignmentNote: TLabel
        Left = 110
        Top = 32
        Caption = 'Alignment for both Glyph and Caption'
      end
      object lbText2Glyph: TLabel
        Left = 8
        Top = 60
        Caption = 'AlignText2Glyph:'
        FocusControl = cmb2
      end
      object cmb2: TComboBox
        Left = 110
        Top = 56
        Width = 130
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = cmbChange
        Items.Strings = (
          'taLeft'
          'taLeftTop'
          'taRight'
          'taRightTop'
          'taTop'
          'taTopLeft'
          'taBottom'
          'taBottomLeft')
      end
      object lbText2GlyphNote: TLabel
        Left = 110
        Top = 80
        Caption = 'Alignment of Caption relative to Glyph'
      end
      object lbSpacing: TLabel
        Left = 8
        Top = 108
        Caption = '&Spacing:'
        FocusControl = spc
      end
      object spc: TZYLSpinEdit
        Left = 110
        Top = 104
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 2
        OnChange = spinChange
      end
      object lbSpacingNote: TLabel
        Left = 110
        Top = 128
        Caption = 'Space between Glyph and Caption'
      end
    end
    object tbOffset: TTabSheet
      Caption = 'Offset'
      object lbX: TLabel
        Left = 8
        Top = 12
        Caption = 'Absolute Offset &X'
        FocusControl = capX
      end
      object capX: TZYLSpinEdit
        Left = 110
        Top = 8
        Width = 60
        MinValue = -32768
        MaxValue = 32767
        TabOrder = 0
        OnChange = spinChange
      end
      object lbXNote: TLabel
        Left = 110
        Top = 32
        Caption = 'Absolute horizontal offset of caption in pixels'
      end
      object lbY: TLabel
        Left = 8
        Top = 60
        Caption = 'Absolute Offset &Y'
        FocusControl = capY
      end
      object capY: TZYLSpinEdit
        Left = 110
        Top = 56
        Width = 60
        MinValue = -32768
        MaxValue = 32767
        TabOrder = 1
        OnChange = spinChange
      end
      object lbYNote: TLabel
        Left = 110
        Top = 80
        Caption = 'Absolute vertical offset of caption in pixels'
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
  object styler: TZYLFormStyler
    Left = 360
    Top = 120
  end
end
