object ZYLBevelEditorDlg: TZYLBevelEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Bevel-Editor'
  ClientHeight = 330
  ClientWidth = 500
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  PixelsPerInch = 96
  TextHeight = 13
  object test: TZYLSimplePanel
    Left = 8
    Top = 8
    Width = 400
    Height = 70
    TabOrder = 0
    Bevel.Mode = bmCustom
  end
  object nb: TPageControl
    Left = 8
    Top = 86
    Width = 400
    Height = 236
    TabOrder = 1
    object tb1: TTabSheet
      Caption = 'Standard'
      object rbStandard: TRadioButton
        Left = 8
        Top = 8
        Width = 120
        Height = 17
        Caption = 'Standard'
        TabOrder = 0
        OnClick = rbclick
      end
      object lbStandard: TLabel
        Left = 8
        Top = 44
        Caption = 'StandardStyle:'
        FocusControl = cmbStandard
      end
      object cmbStandard: TComboBox
        Left = 110
        Top = 40
        Width = 120
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = cmbStandardChange
        Items.Strings = (
          'lsNone'
          'lsSingle'
          'lsLowered'
          'lsRaised'
          'lsRaisedspb'
          'lsLoweredspb'
          'lsRaisedExt'
          'lsLoweredExt'
          'lsFrameInset'
          'lsFrameOffset'
          'lsWindowBorde'
          'lsSingleRaised'
          'lsSingleLowered'
          'lsDoubleRaised'
          'lsDoubleLowered')
      end
      object lbb3: TLabel
        Left = 8
        Top = 76
        Caption = 'BorderColor:'
        FocusControl = cmbb3
      end
      object cmbb3: TZYLColorComboBox
        Left = 110
        Top = 72
        Width = 120
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 2
        OnChange = cmbbChange
      end
      object bt13: TButton
        Left = 232
        Top = 72
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 3
        OnClick = bt1Click
      end
      object lbbiw3: TLabel
        Left = 8
        Top = 108
        Caption = 'BorderInnerWidth:'
        FocusControl = edbiw3
      end
      object edbiw3: TZYLSpinEdit
        Left = 110
        Top = 104
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 4
        OnChange = edbiwChange
      end
    end
    object tb2: TTabSheet
      Caption = 'Custom'
      object rbCustom: TRadioButton
        Left = 8
        Top = 8
        Width = 120
        Height = 17
        Caption = 'Custom'
        TabOrder = 0
        OnClick = rbclick
      end
      object lbInner: TLabel
        Left = 8
        Top = 44
        Caption = 'StyleInner:'
        FocusControl = cmb
      end
      object cmb: TComboBox
        Left = 80
        Top = 40
        Width = 120
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = cmbChange
        Items.Strings = (
          'bvNone'
          'bvLowered'
          'bvRaised'
          'bvFrameLowered'
          'bvFrameRaised'
          'bvNormal'
          'bvShadow')
      end
      object lbOuter: TLabel
        Left = 8
        Top = 72
        Caption = 'StyleOuter:'
        FocusControl = cmb1
      end
      object cmb1: TComboBox
        Left = 80
        Top = 68
        Width = 120
        Height = 21
        Style = csDropDownList
        TabOrder = 2
        OnChange = cmb1Change
        Items.Strings = (
          'bvNone'
          'bvLowered'
          'bvRaised'
          'bvFrameLowered'
          'bvFrameRaised'
          'bvNormal'
          'bvShadow')
      end
      object lbb: TLabel
        Left = 8
        Top = 100
        Caption = 'BorderColor:'
        FocusControl = cmbb
      end
      object cmbb: TZYLColorComboBox
        Left = 80
        Top = 96
        Width = 120
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 3
        OnChange = cmbbChange
      end
      object bt1: TButton
        Left = 202
        Top = 96
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 4
        OnClick = bt1Click
      end
      object lbL: TLabel
        Left = 8
        Top = 128
        Caption = 'LightColor:'
        FocusControl = cmbL
      end
      object cmbL: TZYLColorComboBox
        Left = 80
        Top = 124
        Width = 120
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 5
        OnChange = cmbbChange
      end
      object bt11: TButton
        Left = 202
        Top = 124
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 6
        OnClick = bt1Click
      end
      object lbs: TLabel
        Left = 8
        Top = 156
        Caption = 'ShadowColor:'
        FocusControl = cmbs
      end
      object cmbs: TZYLColorComboBox
        Left = 80
        Top = 152
        Width = 120
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 7
        OnChange = cmbbChange
      end
      object bt12: TButton
        Left = 202
        Top = 152
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 8
        OnClick = bt1Click
      end
      object lbwi: TLabel
        Left = 236
        Top = 44
        Caption = 'WidthInner:'
        FocusControl = edwi
      end
      object edwi: TZYLSpinEdit
        Left = 332
        Top = 40
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 9
        OnChange = edbiwChange
      end
      object lbwo: TLabel
        Left = 236
        Top = 72
        Caption = 'WidthOuter:'
        FocusControl = edwo
      end
      object edwo: TZYLSpinEdit
        Left = 332
        Top = 68
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 10
        OnChange = edbiwChange
      end
      object lbbiw: TLabel
        Left = 236
        Top = 100
        Caption = 'BorderInnerWidth:'
        FocusControl = edbiw
      end
      object edbiw: TZYLSpinEdit
        Left = 332
        Top = 96
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 11
        OnChange = edbiwChange
      end
      object lbbw: TLabel
        Left = 236
        Top = 128
        Caption = 'BorderWidth:'
        FocusControl = edbw
      end
      object edbw: TZYLSpinEdit
        Left = 332
        Top = 124
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 12
        OnChange = edbiwChange
      end
    end
    object tb3: TTabSheet
      Caption = 'Edged'
      object rbEdge: TRadioButton
        Left = 8
        Top = 8
        Width = 120
        Height = 17
        Caption = 'Edged'
        TabOrder = 0
        OnClick = rbclick
      end
      object lbEdge: TLabel
        Left = 8
        Top = 44
        Caption = 'EdgeStyle:'
        FocusControl = cmbEdge
      end
      object cmbEdge: TComboBox
        Left = 110
        Top = 40
        Width = 120
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = cmbEdgeChange
        Items.Strings = (
          'etRaisedInner'
          'etRaisedOuter'
          'etSunkenInner'
          'etSunkenOuter'
          'etBump'
          'etEtched'
          'etRaised'
          'etSunken')
      end
      object lbb2: TLabel
        Left = 8
        Top = 76
        Caption = 'BorderColor:'
        FocusControl = cmbb2
      end
      object cmbb2: TZYLColorComboBox
        Left = 110
        Top = 72
        Width = 120
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 2
        OnChange = cmbbChange
      end
      object bt14: TButton
        Left = 232
        Top = 72
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 3
        OnClick = bt1Click
      end
      object lbbiw2: TLabel
        Left = 8
        Top = 108
        Caption = 'BorderInnerWidth:'
        FocusControl = edbiw2
      end
      object edbiw2: TZYLSpinEdit
        Left = 110
        Top = 104
        Width = 50
        MinValue = 0
        MaxValue = 255
        TabOrder = 4
        OnChange = edbiwChange
      end
      object gbSides: TGroupBox
        Left = 264
        Top = 8
        Width = 120
        Height = 112
        Caption = 'BorderSides'
        TabOrder = 5
        object cbLeft: TCheckBox
          Left = 10
          Top = 20
          Width = 100
          Height = 17
          Caption = 'Left Line'
          TabOrder = 0
          OnClick = cbLeftClick
        end
        object cbTop: TCheckBox
          Left = 10
          Top = 42
          Width = 100
          Height = 17
          Caption = 'Top Line'
          TabOrder = 1
          OnClick = cbTopClick
        end
        object cbRight: TCheckBox
          Left = 10
          Top = 64
          Width = 100
          Height = 17
          Caption = 'Right Line'
          TabOrder = 2
          OnClick = cbRightClick
        end
        object cbBottom: TCheckBox
          Left = 10
          Top = 86
          Width = 100
          Height = 17
          Caption = 'Bottom Line'
          TabOrder = 3
          OnClick = cbBottomClick
        end
      end
    end
    object tb4: TTabSheet
      Caption = 'Windows'
      OnEnter = tb4Enter
      object rbWindow: TRadioButton
        Left = 8
        Top = 8
        Width = 120
        Height = 17
        Caption = 'Windows'
        TabOrder = 0
        OnClick = rbclick
      end
      object stWindows: TStaticText
        Left = 8
        Top = 44
        Width = 260
        Height = 17
        Caption = 'Supported by TWinControl descendants only.'
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clNavy
        Font.Height = -11
        Font.Name = 'MS Sans Serif'
        Font.Style = []
        ParentFont = False
        TabOrder = 1
      end
    end
  end
  object btOK: TButton
    Left = 416
    Top = 8
    Width = 75
    Height = 25
    Caption = 'OK'
    TabOrder = 2
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 416
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Cancel'
    TabOrder = 3
    Cancel = True
    ModalResult = 2
  end
  object btReset: TButton
    Left = 416
    Top = 72
    Width = 75
    Height = 25
    Caption = 'Reset'
    TabOrder = 4
    OnClick = resetClick
  end
  object styler: TZYLFormStyler
    Left = 440
    Top = 280
  end
end
