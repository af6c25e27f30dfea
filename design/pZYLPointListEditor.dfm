object frmTZYLPointListEditor: TfrmTZYLPointListEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ZYL PointList Editor'
  ClientHeight = 272
  ClientWidth = 300
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
  object plb: TZYLListBox
    Left = 8
    Top = 8
    Width = 196
    Height = 218
    GridLines = glBoth
    HeaderSections = <
      item
        Alignment = taRightJustify
        Text = 'X'
        Width = 90
      end
      item
        Alignment = taRightJustify
        Text = 'Y'
        Width = 90
      end>
    TabOrder = 0
    OnClick = plbClick
  end
  object lbX: TLabel
    Left = 8
    Top = 240
    Caption = '&X:'
    FocusControl = XVal
  end
  object XVal: TZYLSpinEdit
    Left = 24
    Top = 236
    Width = 72
    MinValue = -32768
    MaxValue = 32767
    TabOrder = 1
    OnChange = XValExit
    OnExit = XValExit
  end
  object lbY: TLabel
    Left = 110
    Top = 240
    Caption = '&Y:'
    FocusControl = YVal
  end
  object YVal: TZYLSpinEdit
    Left = 126
    Top = 236
    Width = 72
    MinValue = -32768
    MaxValue = 32767
    TabOrder = 2
    OnChange = YValExit
    OnExit = YValExit
  end
  object btAdd: TButton
    Left = 216
    Top = 8
    Width = 75
    Height = 25
    Caption = '&Add'
    OnClick = AddClick
    TabOrder = 3
  end
  object btDelete: TButton
    Left = 216
    Top = 39
    Width = 75
    Height = 25
    Caption = '&Delete'
    OnClick = DeleteClick
    TabOrder = 4
  end
  object btUp: TButton
    Left = 216
    Top = 78
    Width = 75
    Height = 25
    Caption = '&Up'
    OnClick = UpClick
    TabOrder = 5
  end
  object btDown: TButton
    Left = 216
    Top = 109
    Width = 75
    Height = 25
    Caption = 'D&own'
    OnClick = DownClick
    TabOrder = 6
  end
  object btOK: TButton
    Left = 216
    Top = 201
    Width = 75
    Height = 25
    Caption = 'Ok'
    Default = True
    ModalResult = 1
    TabOrder = 7
  end
  object btCancel: TButton
    Left = 216
    Top = 236
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 8
  end
  object styler: TZYLFormStyler
    Left = 240
    Top = 150
  end
end
