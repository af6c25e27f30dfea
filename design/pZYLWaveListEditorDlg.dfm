object ZYLWaveListEditorDlg: TZYLWaveListEditorDlg
  Left = 200
  Top = 120
  BorderIcons = [biSystemMenu]
  Caption = 'WaveList-Editor'
  ClientHeight = 330
  ClientWidth = 440
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = [fsBold]
  Menu = MainMenu1
  OldCreateOrder = True
  Position = poScreenCenter
  ShowHint = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object btnLoad: TZYLSpeedButton
    Left = 4
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Load List'
    Caption = 'Load'
    OnClick = fileactionClick
  end
  object btnSave: TZYLSpeedButton
    Left = 50
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Save List'
    Caption = 'Save'
    OnClick = fileactionClick
  end
  object btnCut: TZYLSpeedButton
    Left = 100
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Cut'
    Caption = 'Cut'
    OnClick = PopupClick
  end
  object btnCopy: TZYLSpeedButton
    Left = 146
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Copy'
    Caption = 'Copy'
    OnClick = PopupClick
  end
  object btnPaste: TZYLSpeedButton
    Left = 192
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Paste'
    Caption = 'Paste'
    OnClick = PopupClick
  end
  object singleselect: TZYLSpeedButton
    Left = 242
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Toggle SingleSelect Mode'
    Caption = 'Single'
    GroupIndex = 1
    Pressed = True
    OnClick = PopupClick
  end
  object multisel: TZYLSpeedButton
    Left = 288
    Top = 4
    Width = 44
    Height = 22
    Hint = 'Toggle MultiSelect Mode'
    Caption = 'Multi'
    GroupIndex = 1
    OnClick = PopupClick
  end
  object add: TZYLSpeedButton
    Left = 4
    Top = 32
    Width = 60
    Height = 22
    Hint = 'Add item'
    Caption = 'Add'
    OnClick = PopupClick
  end
  object addfast: TZYLSpeedButton
    Left = 4
    Top = 56
    Width = 60
    Height = 22
    Hint = 'Add one or multiple items'
    Caption = 'Files'
    OnClick = PopupClick
  end
  object remove: TZYLSpeedButton
    Left = 4
    Top = 80
    Width = 60
    Height = 22
    Hint = 'Remove Item'
    Caption = 'Remove'
    OnClick = PopupClick
  end
  object clear: TZYLSpeedButton
    Left = 4
    Top = 104
    Width = 60
    Height = 22
    Hint = 'Clear List'
    Caption = 'Clear'
    OnClick = PopupClick
  end
  object up: TZYLSpeedButton
    Left = 4
    Top = 128
    Width = 60
    Height = 22
    Hint = 'Move item up'
    Caption = 'Up'
    OnClick = PopupClick
  end
  object Down: TZYLSpeedButton
    Left = 4
    Top = 152
    Width = 60
    Height = 22
    Hint = 'Move item down'
    Caption = 'Down'
    OnClick = PopupClick
  end
  object btnProp: TZYLSpeedButton
    Left = 4
    Top = 176
    Width = 60
    Height = 22
    Hint = 'Properties'
    Caption = 'Prop.'
    OnClick = PopupClick
  end
  object play: TZYLSpeedButton
    Left = 4
    Top = 200
    Width = 60
    Height = 22
    Hint = 'Play the wave'
    Caption = 'Play'
    OnClick = playClick
  end
  object lb: TZYLListBox
    Left = 68
    Top = 32
    Width = 368
    Height = 294
    Anchors = [akLeft, akTop, akRight, akBottom]
    AllowResize = False
    HeaderHeight = 20
    HeaderSections = <
      item
        Text = 'Nr.'
        Width = 37
      end
      item
        Text = 'Size'
        Width = 57
      end
      item
        Text = 'ID'
        Width = 39
      end
      item
        Text = 'C.'
        Width = 19
      end
      item
        Text = 'Description'
        Width = 181
      end>
    ItemHeight = 14
    PopupMenu = pop
    Style = lbOwnerDrawFixed
    TabOrder = 0
    OnClick = lbClick
    OnDblClick = lbDblClick
  end
  object ZYLButton1: TZYLButton
    Left = 340
    Top = 4
    Width = 46
    Height = 22
    Anchors = [akTop, akRight]
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 1
  end
  object ZYLButton2: TZYLButton
    Left = 390
    Top = 4
    Width = 46
    Height = 22
    Anchors = [akTop, akRight]
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 2
    OnClick = fileactionClick
  end
  object MainMenu1: TMainMenu
    Left = 120
    Top = 60
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuLoad: TMenuItem
        Caption = '&Load WVL...'
        OnClick = fileactionClick
      end
      object mnuSave: TMenuItem
        Caption = '&Save WVL...'
        OnClick = fileactionClick
      end
      object N4: TMenuItem
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
      object mnuCut: TMenuItem
        Caption = '&Cut'
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
      object mnuDelete: TMenuItem
        Caption = '&Delete'
        ShortCut = 16430
        OnClick = PopupClick
      end
      object N5: TMenuItem
        Caption = '-'
      end
      object Up2: TMenuItem
        Caption = '&Up'
        ShortCut = 16469
        OnClick = PopupClick
      end
      object down2: TMenuItem
        Caption = '&Down'
        ShortCut = 16452
        OnClick = PopupClick
      end
      object N6: TMenuItem
        Caption = '-'
      end
      object mnuSelectAll: TMenuItem
        Caption = 'Select &All'
        ShortCut = 16449
        OnClick = PopupClick
      end
      object ClearAll1: TMenuItem
        Caption = 'Clear All'
        OnClick = PopupClick
      end
      object N7: TMenuItem
        Caption = '-'
      end
      object Properties1: TMenuItem
        Caption = '&Properties'
        OnClick = PopupClick
      end
    end
    object mnuTools: TMenuItem
      Caption = '&Tools'
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
      object N8: TMenuItem
        Caption = '-'
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
    object Play1: TMenuItem
      Caption = '&Play'
      OnClick = playClick
    end
    object N3: TMenuItem
      Caption = '-'
    end
    object Add1: TMenuItem
      Caption = '&Add'
      ShortCut = 16429
      OnClick = PopupClick
    end
    object Remove1: TMenuItem
      Caption = '&Remove'
      ShortCut = 16430
      OnClick = PopupClick
    end
    object Clear1: TMenuItem
      Caption = '&Clear'
      OnClick = PopupClick
    end
    object N1: TMenuItem
      Caption = '-'
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
    OnFMDragDrop = fmFMDragDrop
    Left = 180
    Top = 90
  end
  object ZYLFormStyler1: TZYLFormStyler
    Left = 210
    Top = 90
  end
end
