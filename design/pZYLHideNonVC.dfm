object ZYLHideNonVCfrm: TZYLHideNonVCfrm
  Left = 240
  Top = 160
  BorderIcons = [biSystemMenu]
  Caption = 'Nonvisual Components'
  ClientHeight = 296
  ClientWidth = 316
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OldCreateOrder = True
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 316
    Height = 24
    Align = alTop
    BevelOuter = bvNone
    TabOrder = 0
    object lbl: TLabel
      Left = 6
      Top = 6
      Width = 120
      Height = 13
      Caption = '&Nonvisual Components:'
      FocusControl = cbList
    end
    object d: TLabel
      Left = 150
      Top = 6
      Width = 60
      Height = 13
      Caption = '---'
    end
  end
  object Panel2: TPanel
    Left = 228
    Top = 24
    Width = 88
    Height = 272
    Align = alRight
    BevelOuter = bvNone
    TabOrder = 2
    object CloseButton: TButton
      Left = 8
      Top = 4
      Width = 72
      Height = 24
      Caption = '&Close'
      TabOrder = 0
      OnClick = CloseButtonClick
    end
    object btHide: TButton
      Left = 8
      Top = 48
      Width = 72
      Height = 24
      Caption = '&Hide'
      TabOrder = 1
      OnClick = btHideClick
    end
    object btShow: TButton
      Left = 8
      Top = 80
      Width = 72
      Height = 24
      Caption = '&Show'
      TabOrder = 2
      OnClick = btShowClick
    end
    object btshowall: TButton
      Left = 8
      Top = 112
      Width = 72
      Height = 24
      Caption = 'Show All'
      TabOrder = 3
      OnClick = btshowallClick
    end
    object btHideAll: TButton
      Left = 8
      Top = 144
      Width = 72
      Height = 24
      Caption = 'Hide All'
      TabOrder = 4
      OnClick = btHideAllClick
    end
    object btDelete: TButton
      Left = 8
      Top = 176
      Width = 72
      Height = 24
      Caption = '&Delete'
      TabOrder = 5
      OnClick = btDeleteClick
    end
  end
  object cbList: TListBox
    Left = 0
    Top = 24
    Width = 228
    Height = 272
    Align = alClient
    ItemHeight = 13
    MultiSelect = True
    PopupMenu = popMenu
    Sorted = True
    TabOrder = 1
    OnKeyUp = cbListKeyUp
    OnMouseUp = cbListMouseUp
  end
  object popMenu: TPopupMenu
    OnPopup = popMenuPopup
    Left = 40
    Top = 80
  end
  object fs: TZYLFormStyler
    Left = 80
    Top = 80
  end
end
