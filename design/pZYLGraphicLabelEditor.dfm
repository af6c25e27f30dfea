object FormGraphicLabelEditor: TZYLFormGraphicLabelEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'GraphicLabel'
  ClientHeight = 364
  ClientWidth = 430
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
  object ZYLGraphicLabel: TZYLGraphicLabel
    Left = 8
    Top = 8
    Width = 414
    Height = 110
    Caption = 'ZYLGraphicLabel'
  end
  object TabbedNotebookProperties: TPageControl
    ActivePage = TabSheetForm
    Left = 8
    Top = 126
    Width = 414
    Height = 194
    TabOrder = 0
    object TabSheetForm: TTabSheet
      Caption = 'Form'
      object LabelTransform: TLabel
        Left = 8
        Top = 12
        Caption = 'Transform:'
        FocusControl = ComboBoxTransform
      end
      object ComboBoxTransform: TComboBox
        Left = 100
        Top = 8
        Width = 150
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = ComboBoxTransformChange
        Items.Strings = (
          'tmWave'
          'tmNone'
          'tmHalfcircle'
          'tmArrow'
          'tmSpeaker'
          'tmInvSpeaker'
          'tmFly'
          'tmChair'
          'tmStairs'
          'tmInvStairs'
          'tmBuckled'
          'tmEnterprise'
          'tmLNoseUp'
          'tmLNoseDown'
          'tmRNoseUp'
          'tmRNoseDown'
          'tmCube'
          'tmHalfmoon')
      end
      object LabelFactor: TLabel
        Left = 8
        Top = 44
        Caption = 'Factor:'
        FocusControl = ZYLSpinEditFactor
      end
      object ZYLSpinEditFactor: TZYLSpinEdit
        Left = 100
        Top = 40
        Width = 70
        MinValue = 0
        MaxValue = 10000
        TabOrder = 1
        OnChange = ZYLSpinEditFactorChange
      end
      object ButtonFillObjectDialog: TButton
        Left = 100
        Top = 76
        Width = 90
        Height = 25
        Caption = 'FillObject >>'
        TabOrder = 2
        OnClick = Button1Click
      end
    end
    object TabSheetFontFX: TTabSheet
      Caption = 'FontFX'
      object LabelStyle: TLabel
        Left = 8
        Top = 12
        Caption = 'Style:'
        FocusControl = ComboBoxStyle
      end
      object ComboBoxStyle: TComboBox
        Left = 100
        Top = 8
        Width = 150
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = ComboBoxStyleChange
        Items.Strings = (
          'tdNone'
          'tdSunken'
          'tdRaised'
          'tdSunkenShadow'
          'tdRaisedShadow'
          'tdPColorSunken'
          'tdPColorRaised'
          'tdShadow')
      end
      object LabelLightDepth: TLabel
        Left = 8
        Top = 44
        Caption = 'Lightdepth:'
        FocusControl = ZYLSpinEditLightDepth
      end
      object ZYLSpinEditLightDepth: TZYLSpinEdit
        Left = 100
        Top = 40
        Width = 56
        MinValue = 0
        MaxValue = 255
        TabOrder = 1
        OnChange = ZYLSpinEditLightDepthChange
      end
      object LabelShadowDepth: TLabel
        Left = 176
        Top = 44
        Caption = 'Shadowdepth:'
        FocusControl = ZYLSpinEditShadowDepth
      end
      object ZYLSpinEditShadowDepth: TZYLSpinEdit
        Left = 260
        Top = 40
        Width = 56
        MinValue = 0
        MaxValue = 255
        TabOrder = 2
        OnChange = ZYLSpinEditShadowDepthChange
      end
      object LabelAngle: TLabel
        Left = 8
        Top = 76
        Caption = 'Angle:'
        FocusControl = ZYLSpinEditAngle
      end
      object ZYLSpinEditAngle: TZYLSpinEdit
        Left = 100
        Top = 72
        Width = 56
        MinValue = 0
        MaxValue = 360
        TabOrder = 3
        OnChange = ZYLSpinEditAngleChange
      end
      object LabelTracing: TLabel
        Left = 176
        Top = 76
        Caption = 'Tracing:'
        FocusControl = ZYLSpinEditTracing
      end
      object ZYLSpinEditTracing: TZYLSpinEdit
        Left = 260
        Top = 72
        Width = 56
        MinValue = -100
        MaxValue = 100
        TabOrder = 4
        OnChange = ZYLSpinEditTracingChange
      end
      object LabelLightColor: TLabel
        Left = 8
        Top = 108
        Caption = 'LightColor:'
        FocusControl = ZYLLightColorComboBox
      end
      object ZYLLightColorComboBox: TZYLColorComboBox
        Left = 100
        Top = 104
        Width = 150
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 5
        OnChange = ZYLLightColorComboBoxChange
      end
      object LabelShadowColor: TLabel
        Left = 8
        Top = 136
        Caption = 'ShadowColor:'
        FocusControl = ZYLShadowColorComboBox
      end
      object ZYLShadowColorComboBox: TZYLColorComboBox
        Left = 100
        Top = 132
        Width = 150
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 6
        OnChange = ZYLShadowColorComboBoxChange
      end
    end
    object TabSheetFont: TTabSheet
      Caption = 'Font'
      object LabelFont: TLabel
        Left = 8
        Top = 12
        Caption = 'Font:'
        FocusControl = ZYLFontComboBox
      end
      object ZYLFontComboBox: TZYLFontComboBox
        Left = 100
        Top = 8
        Width = 180
        Height = 22
        ExampleText = 'Abc'
        Options = [foScreenFonts, foTrueTypeOnly, foDisplaySymbol]
        ShowExample = True
        TabOrder = 0
        OnChange = ZYLFontComboBoxChange
      end
      object LabelColor: TLabel
        Left = 8
        Top = 44
        Caption = 'Color:'
        FocusControl = ZYLColorComboBox
      end
      object ZYLColorComboBox: TZYLColorComboBox
        Left = 100
        Top = 40
        Width = 150
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 1
        OnChange = ZYLColorComboBoxChange
      end
      object LabelFontSize: TLabel
        Left = 8
        Top = 76
        Caption = 'Fontsize:'
        FocusControl = ZYLFontSizeComboBox
      end
      object ZYLFontSizeComboBox: TZYLFontSizeComboBox
        Left = 100
        Top = 72
        Width = 70
        Height = 22
        TabOrder = 2
        OnChange = ZYLFontSizeComboBoxChange
      end
      object ButtonFontDialog: TButton
        Left = 100
        Top = 108
        Width = 90
        Height = 25
        Caption = 'Font >>'
        TabOrder = 3
        OnClick = ButtonFontDialogClick
      end
    end
    object TabSheetAttributes: TTabSheet
      Caption = 'Attributes'
      object LabelToggle: TLabel
        Left = 8
        Top = 12
        Caption = 'Toggle:'
        FocusControl = ZYLSpinEditToggle
      end
      object ZYLSpinEditToggle: TZYLSpinEdit
        Left = 110
        Top = 8
        Width = 70
        MinValue = -180
        MaxValue = 180
        TabOrder = 0
        OnChange = ZYLSpinEditToggleChange
      end
      object LabelPerspective: TLabel
        Left = 8
        Top = 44
        Caption = 'Perspective:'
        FocusControl = ComboBoxPerspective
      end
      object ComboBoxPerspective: TComboBox
        Left = 110
        Top = 40
        Width = 100
        Height = 21
        Style = csDropDownList
        TabOrder = 1
        OnChange = ComboBoxPerspectiveChange
        Items.Strings = (
          'None'
          'Bird'
          'Frog')
      end
      object LabelPerspectiveDepth: TLabel
        Left = 8
        Top = 76
        Caption = 'Perspectivedepth:'
        FocusControl = ZYLSpinEditPerspectiveDepth
      end
      object ZYLSpinEditPerspectiveDepth: TZYLSpinEdit
        Left = 110
        Top = 72
        Width = 70
        MinValue = 0
        MaxValue = 1000
        TabOrder = 2
        OnChange = ZYLSpinEditPerspectiveDepthChange
      end
      object CheckBoxEqualLetters: TCheckBox
        Left = 240
        Top = 10
        Width = 150
        Height = 17
        Caption = 'EqualLetters'
        TabOrder = 3
        OnClick = CheckBoxEqualLettersClick
      end
      object CheckBoxAutoToggle: TCheckBox
        Left = 240
        Top = 42
        Width = 150
        Height = 17
        Caption = 'AutoToggled'
        TabOrder = 4
        OnClick = CheckBoxAutoToggleClick
      end
      object CheckBoxToggled: TCheckBox
        Left = 240
        Top = 74
        Width = 150
        Height = 17
        Caption = 'Toggled'
        TabOrder = 5
        OnClick = CheckBoxToggledClick
      end
    end
  end
  object btOK: TButton
    Left = 236
    Top = 330
    Width = 90
    Height = 25
    Caption = 'OK'
    TabOrder = 1
    Default = True
    ModalResult = 1
  end
  object btCancel: TButton
    Left = 332
    Top = 330
    Width = 90
    Height = 25
    Caption = 'Cancel'
    TabOrder = 2
    Cancel = True
    ModalResult = 2
  end
  object FontDialog: TFontDialog
    Left = 40
    Top = 330
  end
  object fs: TZYLFormStyler
    Left = 80
    Top = 330
  end
end
