object ZYLFxEditorDlg: TZYLFxEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'FxCaption-Editor'
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
  object test: TZYLLabel
    Left = 8
    Top = 8
    Width = 316
    Height = 80
    Alignment = agCenter
    AutoSize = False
    Caption = 'Test-Label'
    Color = clWhite
    ParentColor = False
    Transparent = False
    ParentFont = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -27
    Font.Name = 'Arial'
    Font.Style = [fsBold]
  end
  object nb: TPageControl
    ActivePage = tbStyles
    Left = 8
    Top = 96
    Width = 316
    Height = 196
    TabOrder = 0
    object tbStyles: TTabSheet
      Caption = 'Styles'
      object lbStyle: TLabel
        Left = 8
        Top = 12
        Caption = 'Style:'
        FocusControl = cmb
      end
      object cmb: TComboBox
        Left = 100
        Top = 8
        Width = 140
        Height = 21
        Style = csDropDownList
        Hint = 'Defines the 3D-effect.'
        TabOrder = 0
        OnChange = cmbChange
        Items.Strings = (
          'tdNone'
          'tdSunken'
          'tdRaised'
          'tdSunkenShadow'
          'tdRaisedShadow'
          'tdPColorSunken'
          'tdPColorRaised'
          'tdShadow'
          'tdOutline'
          'tdExtrude'
          'tdExtrudeEnh')
      end
      object lbLight: TLabel
        Left = 8
        Top = 44
        Caption = 'LightDepth:'
        FocusControl = lidepth
      end
      object lidepth: TZYLSpinEdit
        Left = 100
        Top = 40
        Width = 50
        MinValue = 0
        MaxValue = 100
        TabOrder = 1
        OnChange = spinChange
      end
      object lbShadow: TLabel
        Left = 8
        Top = 72
        Caption = 'ShadowDepth:'
        FocusControl = shDepth
      end
      object shDepth: TZYLSpinEdit
        Left = 100
        Top = 68
        Width = 50
        MinValue = 0
        MaxValue = 100
        TabOrder = 2
        OnChange = spinChange
      end
      object rt: TLabel
        Left = 8
        Top = 100
        Caption = 'Angle:'
        FocusControl = anglev
      end
      object anglev: TZYLSpinEdit
        Left = 100
        Top = 96
        Width = 50
        MinValue = 0
        MaxValue = 360
        Hint = 'Specifies the rotating-angle'#13#10'between 0 and 360 degree.'
        TabOrder = 3
        OnChange = spinChange
      end
      object lbTracing: TLabel
        Left = 8
        Top = 128
        Caption = 'Tracing:'
        FocusControl = trac
      end
      object trac: TZYLSpinEdit
        Left = 100
        Top = 124
        Width = 50
        MinValue = -20
        MaxValue = 100
        Hint = 'Specifies the extra space between the characters.'
        TabOrder = 4
        OnChange = spinChange
      end
    end
    object tbColors: TTabSheet
      Caption = 'Colors'
      object lbLightColor: TLabel
        Left = 8
        Top = 12
        Caption = 'LightColor:'
        FocusControl = cmbL
      end
      object cmbL: TZYLColorComboBox
        Left = 100
        Top = 8
        Width = 140
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 0
        OnChange = cmbcChange
      end
      object btL: TButton
        Left = 242
        Top = 8
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 1
        OnClick = ColorButtonClick
      end
      object lbShadowColor: TLabel
        Left = 8
        Top = 44
        Caption = 'ShadowColor:'
        FocusControl = cmbs
      end
      object cmbs: TZYLColorComboBox
        Left = 100
        Top = 40
        Width = 140
        Height = 22
        Options = [coDefaultColors, coSystemColors, coAllowAnyColor]
        TabOrder = 2
        OnChange = cmbcChange
      end
      object btS: TButton
        Left = 242
        Top = 40
        Width = 21
        Height = 21
        Caption = '...'
        TabOrder = 3
        OnClick = ColorButtonClick
      end
    end
  end
  object lbNote: TLabel
    Left = 8
    Top = 298
    Width = 316
    Height = 28
    AutoSize = False
    WordWrap = True
    Caption = 
      'Test-Label does not display font-settings of the actual control. ' +
      'It demonstrates Effects only.'
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
