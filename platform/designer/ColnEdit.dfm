object CollectionEditor: TCollectionEditor
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  Caption = 'Editing'
  ClientHeight = 262
  ClientWidth = 300
  Color = clBtnFace
  Constraints.MinHeight = 160
  Constraints.MinWidth = 308
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnClose = FormClose
  PixelsPerInch = 96
  TextHeight = 13
  object ToolBar: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 29
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object AddCmd: TButton
      Left = 2
      Top = 2
      Width = 73
      Height = 25
      Hint = 'Add New'
      Caption = 'Add New'
      TabOrder = 0
      OnClick = AddClick
    end
    object DeleteCmd: TButton
      Left = 76
      Top = 2
      Width = 73
      Height = 25
      Hint = 'Delete Selected'
      Caption = 'Delete'
      Enabled = False
      TabOrder = 1
      OnClick = DeleteClick
    end
    object MoveUpCmd: TButton
      Left = 150
      Top = 2
      Width = 73
      Height = 25
      Hint = 'Move Selected Up'
      Caption = 'Move Up'
      Enabled = False
      TabOrder = 2
      OnClick = MoveUpClick
    end
    object MoveDownCmd: TButton
      Left = 224
      Top = 2
      Width = 74
      Height = 25
      Hint = 'Move Selected Down'
      Caption = 'Move Down'
      Enabled = False
      TabOrder = 3
      OnClick = MoveDownClick
    end
  end
  object ItemList: TListBox
    Left = 0
    Top = 29
    Width = 300
    Height = 200
    Align = alClient
    ItemHeight = 13
    TabOrder = 1
    OnClick = ItemListClick
  end
  object BottomPanel: TPanel
    Left = 0
    Top = 229
    Width = 300
    Height = 33
    Align = alBottom
    BevelOuter = bvNone
    TabOrder = 2
    object CloseBtn: TButton
      Left = 220
      Top = 4
      Width = 75
      Height = 25
      Anchors = [akTop, akRight]
      Cancel = True
      Caption = 'Close'
      ModalResult = 2
      TabOrder = 0
    end
  end
end
