object ZYLSectionEditorDlg: TZYLSectionEditorDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Section-Editor'
  ClientHeight = 237
  ClientWidth = 343
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
  object lb: TZYLListBox
    Left = 7
    Top = 7
    Width = 329
    Height = 75
    Bevel.StyleOuter = bvLowered
    GridLines = glVertical
    TabOrder = 0
    OnHeaderSized = sized
  end
  object Bevel1: TBevel
    Left = 7
    Top = 90
    Width = 329
    Height = 2
    Shape = bsTopLine
  end
  object lb1: TZYLListBox
    Left = 7
    Top = 98
    Width = 329
    Height = 100
    AllowResize = False
    HeaderSections = <
      item
        Text = 'Name'
        Width = 90
      end
      item
        Text = 'Width (in Pixel)'
        Width = 150
      end>
    TabOrder = 1
  end
  object ok: TButton
    Left = 180
    Top = 205
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object cancel: TButton
    Left = 261
    Top = 205
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object fs: TZYLFormStyler
    Left = 16
    Top = 204
  end
end
