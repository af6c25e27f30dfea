object ZYLBitmapListEditorDlg: TZYLBitmapListEditorDlg
  Left = 200
  Top = 120
  Caption = 'BitmapList-Editor'
  ClientHeight = 361
  ClientWidth = 450
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = True
  Position = poScreenCenter
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object singleselect: TZYLSpeedButton
    Left = 4
    Top = 4
    Width = 64
    Height = 21
    Hint = 'Toggle SingleSelect Mode'
    Caption = 'Single'
    GroupIndex = 1
    Pressed = True
    OnClick = PopupClick
  end
  object multisel: TZYLSpeedButton
    Left = 4
    Top = 26
    Width = 64
    Height = 21
    Hint = 'Toggle MultiSelect Mode'
    Caption = 'Multi'
    GroupIndex = 1
    OnClick = PopupClick
  end
  object add: TZYLSpeedButton
    Left = 4
    Top = 48
    Width = 64
    Height = 21
    Hint = 'Add item'
    Caption = 'Add'
    OnClick = PopupClick
  end
  object addfast: TZYLSpeedButton
    Left = 4
    Top = 70
    Width = 64
    Height = 21
    Hint = 'Add one or multiple items'
    Caption = 'Files'
    OnClick = PopupClick
  end
  object remove: TZYLSpeedButton
    Left = 4
    Top = 92
    Width = 64
    Height = 21
    Hint = 'Remove Item'
    Caption = 'Del'
    OnClick = PopupClick
  end
  object clear: TZYLSpeedButton
    Left = 4
    Top = 114
    Width = 64
    Height = 21
    Hint = 'Clear List'
    Caption = 'Clear'
    OnClick = PopupClick
  end
  object up: TZYLSpeedButton
    Left = 4
    Top = 136
    Width = 64
    Height = 21
    Hint = 'Move item up'
    Caption = 'Up'
    OnClick = PopupClick
  end
  object Down: TZYLSpeedButton
    Left = 4
    Top = 158
    Width = 64
    Height = 21
    Hint = 'Move item down'
    Caption = 'Down'
    OnClick = PopupClick
  end
  object btnProp: TZYLSpeedButton
    Left = 4
    Top = 180
    Width = 64
    Height = 21
    Hint = 'Properties'
    Caption = 'Prop.'
    OnClick = PopupClick
  end
  object btnCut: TZYLSpeedButton
    Left = 4
    Top = 202
    Width = 64
    Height = 21
    Hint = 'Cut'
    Caption = 'Cut'
    OnClick = PopupClick
  end
  object btnCopy: TZYLSpeedButton
    Left = 4
    Top = 224
    Width = 64
    Height = 21
    Hint = 'Copy'
    Caption = 'Copy'
    OnClick = PopupClick
  end
  object btnPaste: TZYLSpeedButton
    Left = 4
    Top = 246
    Width = 64
    Height = 21
    Hint = 'Paste'
    Caption = 'Paste'
    OnClick = PopupClick
  end
  object btnLoad: TZYLSpeedButton
    Left = 4
    Top = 268
    Width = 64
    Height = 21
    Hint = 'Load List'
    Caption = 'Load'
    OnClick = fileactionClick
  end
  object btnSave: TZYLSpeedButton
    Left = 4
    Top = 290
    Width = 64
    Height = 21
    Hint = 'Save List'
    Caption = 'Save'
    OnClick = fileactionClick
  end
  object lb: TZYLListBox
    Left = 72
    Top = 4
    Width = 374
    Height = 322
    Anchors = [akLeft, akTop, akRight, akBottom]
    AllowResize = False
    HeaderSections = <
      item
        Text = 'Nr.'
        Width = 42
      end
      item
        Text = 'ID'
        Width = 41
      end
      item
        Text = 'C.'
        Width = 23
      end
      item
        Text = 'Col.'
        Width = 32
      end
      item
        Text = 'Description'
        Width = 80
      end
      item
        Text = 'Bitmap'
        Width = 173
      end>
    ItemHeight = 40
    PopupMenu = pop
    Style = lbOwnerDrawFixed
    TabOrder = 0
    OnClick = lbClick
    OnDblClick = lbDblClick
    OnDrawItem = lbDrawItem
  end
  object ZYLButton1: TZYLButton
    Left = 290
    Top = 332
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object ZYLButton2: TZYLButton
    Left = 371
    Top = 332
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
  end
  object MainMenu1: TMainMenu
    Left = 120
    Top = 60
      object mnuFile: TMenuItem
        Caption = '&File'
        object mnuLoad: TMenuItem
          Caption = '&Load BML...'
          OnClick = fileactionClick
        end
        object mnuSave: TMenuItem
          Caption = '&Save BML...'
          ShortCut = 16467
          OnClick = fileactionClick
        end
        object N1: TMenuItem
          Caption = '-'
        end
        object Quit1: TMenuItem
          Caption = '&Quit'
          OnClick = fileactionClick
        end
        object quit2: TMenuItem
          Caption = 'Quit and &Cancel'
          OnClick = fileactionClick
        end
      end
      object mnuEdit: TMenuItem
        Caption = '&Edit'
        object Add1: TMenuItem
          Caption = '&Add'
          ShortCut = 16429
          OnClick = PopupClick
        end
        object mnuDelete: TMenuItem
          Caption = '&Delete'
          ShortCut = 16430
          OnClick = PopupClick
        end
        object Up1: TMenuItem
          Caption = '&Up'
          ShortCut = 16469
          OnClick = PopupClick
        end
        object Down1: TMenuItem
          Caption = '&Down'
          ShortCut = 16452
          OnClick = PopupClick
        end
        object N2: TMenuItem
          Caption = '-'
        end
        object mnuCut: TMenuItem
          Caption = 'Cu&t'
          ShortCut = 16472
          OnClick = PopupClick
        end
        object mnuCopy: TMenuItem
          Caption = '&Copy'
          ShortCut = 16451
          OnClick = PopupClick
        end
        object mnuPaste: TMenuItem
          Caption = '&Paste'
          ShortCut = 16470
          OnClick = PopupClick
        end
        object mnuSelectAll: TMenuItem
          Caption = 'Select &All'
          ShortCut = 16449
          OnClick = PopupClick
        end
        object N3: TMenuItem
          Caption = '-'
        end
        object ClearAll1: TMenuItem
          Caption = 'Clear All'
          OnClick = PopupClick
        end
        object Properties1: TMenuItem
          Caption = '&Properties'
          OnClick = PopupClick
        end
        object Saveasbitmap1: TMenuItem
          Caption = '&Save as bitmap'
          OnClick = Saveasbitmap1Click
        end
      end
      object mnuTools: TMenuItem
        Caption = '&Tools'
        object mnuAddFromFile: TMenuItem
          Caption = '&Add Items from BML...'
          OnClick = fileactionClick
        end
        object comp: TMenuItem
          Caption = 'Compressed &Status'
          object checkall: TMenuItem
            Caption = 'Check all'
            OnClick = PopupClick
          end
          object UnCheckAll: TMenuItem
            Caption = 'UnCheckAll'
            OnClick = PopupClick
          end
        end
        object mnuMulti: TMenuItem
          Caption = '&MultiLine Mode'
          OnClick = PopupClick
        end
      end
  end
  object pop: TPopupMenu
    Left = 150
    Top = 60
    object Add2: TMenuItem
      Caption = '&Add'
      OnClick = PopupClick
    end
    object Remove1: TMenuItem
      Caption = '&Delete'
      OnClick = PopupClick
    end
    object Clear1: TMenuItem
      Caption = '&Clear All'
      OnClick = PopupClick
    end
    object Up2: TMenuItem
      Caption = '&Up'
      OnClick = PopupClick
    end
    object down2: TMenuItem
      Caption = '&Down'
      OnClick = PopupClick
    end
    object prop: TMenuItem
      Caption = '&Properties'
      OnClick = PopupClick
    end
  end
  object FileDialog: TOpenDialog
    Options = [ofHideReadOnly, ofPathMustExist, ofFileMustExist]
    Left = 180
    Top = 60
  end
  object SaveDialog: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly]
    Left = 210
    Top = 60
  end
  object SavePictureDialog: TSavePictureDialog
    DefaultExt = 'bmp'
    Filter = 'Bitmaps (*.bmp)|*.bmp'
    Left = 240
    Top = 60
  end
  object ini: TZYLIniCtrl
    Target = itRegistry
    Left = 120
    Top = 90
  end
  object mru: TZYLMRUList
    IniLink = ini
    IniUse = ioUseLink
    Section = 'PathList'
    Button = btnLoad
    MaxLength = 48
    MenuItem = mnuSave
    Options = [moShowAccel, moSubIfEmpty, moSubClearOption]
    OnClick = mruClick
    Left = 150
    Top = 90
  end
  object fm: TZYLFMDrop
    Control = lb
    OnFMDragDrop = fmFMDragDrop
    Left = 180
    Top = 90
  end
end
