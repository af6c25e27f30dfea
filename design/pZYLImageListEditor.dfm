object ZYLImageListEditorDlg: TZYLImageListEditorDlg
  Left = 200
  Top = 120
  Caption = 'ImageList-Editor'
  ClientHeight = 400
  ClientWidth = 640
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
  object leftPanel: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 366
    Align = alLeft
    BevelOuter = bvNone
    TabOrder = 0
    object load: TZYLSpeedButton
      Left = 4
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Load List'
      Caption = 'Load'
      OnClick = fileClick
    end
    object Save: TZYLSpeedButton
      Left = 46
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Save List'
      Caption = 'Save'
      OnClick = fileClick
    end
    object addlist: TZYLSpeedButton
      Left = 88
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Add List'
      Caption = '+List'
      OnClick = fileClick
    end
    object lbm: TZYLListBox
      Left = 4
      Top = 30
      Width = 292
      Height = 332
      AllowResize = False
      HeaderHeight = 20
      HeaderSections = <
        item
          Text = 'Index'
          Width = 34
        end
        item
          Text = 'It.'
          Width = 26
        end
        item
          Text = 'Descr.'
          Width = 102
        end
        item
          Text = 'Size'
          Width = 45
        end
        item
          Text = 'T.'
          Width = 27
        end
        item
          Text = 'C.'
          Width = 25
        end
        item
          Text = 'Col.'
          Width = 30
        end>
      ItemHeight = 16
      PopupMenu = mainpop
      TabOrder = 0
      OnClick = lbmClick
      OnDblClick = lbmDblClick
    end
  end
  object rightPanel: TPanel
    Left = 300
    Top = 0
    Width = 340
    Height = 366
    Align = alClient
    BevelOuter = bvNone
    TabOrder = 1
    object singleselect: TZYLSpeedButton
      Left = 4
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Toggle SingleSelect Mode'
      Caption = 'Single'
      GroupIndex = 1
      Pressed = True
      OnClick = PopupClick
    end
    object multisel: TZYLSpeedButton
      Left = 46
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Toggle MultiSelect Mode'
      Caption = 'Multi'
      GroupIndex = 1
      OnClick = PopupClick
    end
    object add: TZYLSpeedButton
      Left = 88
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Add item'
      Caption = 'Add'
      OnClick = PopupClick
    end
    object addfast: TZYLSpeedButton
      Left = 130
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Add one or multiple items'
      Caption = 'Files'
      OnClick = PopupClick
    end
    object remove: TZYLSpeedButton
      Left = 172
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Remove Item'
      Caption = 'Del'
      OnClick = PopupClick
    end
    object clear: TZYLSpeedButton
      Left = 214
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Clear List'
      Caption = 'Clear'
      OnClick = PopupClick
    end
    object up: TZYLSpeedButton
      Left = 256
      Top = 4
      Width = 40
      Height = 21
      Hint = 'Move item up'
      Caption = 'Up'
      OnClick = PopupClick
    end
    object Down: TZYLSpeedButton
      Left = 4
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Move item down'
      Caption = 'Down'
      OnClick = PopupClick
    end
    object btnCut: TZYLSpeedButton
      Left = 46
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Cut'
      Caption = 'Cut'
      OnClick = PopupClick
    end
    object btnCopy: TZYLSpeedButton
      Left = 88
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Copy'
      Caption = 'Copy'
      OnClick = PopupClick
    end
    object btnPaste: TZYLSpeedButton
      Left = 130
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Paste'
      Caption = 'Paste'
      OnClick = PopupClick
    end
    object btnLoad: TZYLSpeedButton
      Left = 172
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Load List'
      Caption = 'Load'
      OnClick = fileactionClick
    end
    object btnSave: TZYLSpeedButton
      Left = 214
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Save List'
      Caption = 'Save'
      OnClick = fileactionClick
    end
    object btnProp: TZYLSpeedButton
      Left = 256
      Top = 27
      Width = 40
      Height = 21
      Hint = 'Properties'
      Caption = 'Prop.'
      OnClick = popmainClick
    end
    object lbl: TLabel
      Left = 4
      Top = 54
      Caption = 'none'
    end
    object lb: TZYLListBox
      Left = 4
      Top = 70
      Width = 332
      Height = 292
      AllowResize = False
      HeaderSections = <
        item
          Text = 'Nr.'
          Width = 37
        end
        item
          Text = 'Bitmap'
          Width = 268
        end
        item
          Text = 'f'
          Width = 12
        end>
      ItemHeight = 20
      PopupMenu = pop
      Style = lbOwnerDrawFixed
      TabOrder = 0
      OnClick = lbClick
      OnDblClick = lbDblClick
      OnDrawItem = lbDrawItem
    end
  end
  object ZYLButton1: TZYLButton
    Left = 480
    Top = 371
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object ZYLButton2: TZYLButton
    Left = 561
    Top = 371
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object MainMenu1: TMainMenu
    Left = 120
    Top = 160
      object mnuLeft: TMenuItem
        Caption = 'Le&ft (IML-File)'
        object mnuLoadIML: TMenuItem
          Caption = '&Open'
          OnClick = fileClick
        end
        object mnuSaveIML: TMenuItem
          Caption = '&Save'
          ShortCut = 16467
          OnClick = fileClick
        end
        object AddList1: TMenuItem
          Caption = 'Add List'
          OnClick = fileClick
        end
        object N1: TMenuItem
          Caption = '-'
        end
        object Quit1: TMenuItem
          Caption = '&Quit'
          OnClick = fileClick
        end
        object quit2: TMenuItem
          Caption = 'Quit and Cancel'
          OnClick = fileClick
        end
      end
      object mnuLeftEdit: TMenuItem
        Caption = 'Edit  '
        object Add3: TMenuItem
          Caption = 'Add'
          OnClick = popmainClick
        end
        object Delete1: TMenuItem
          Caption = 'Delete'
          OnClick = popmainClick
        end
        object ClearList1: TMenuItem
          Caption = 'Clear List'
          OnClick = popmainClick
        end
        object Up4: TMenuItem
          Caption = 'Up'
          OnClick = popmainClick
        end
        object Down4: TMenuItem
          Caption = 'Down'
          OnClick = popmainClick
        end
        object comp: TMenuItem
          Caption = 'Compressed &Status'
          object checkall: TMenuItem
            Caption = 'Check all'
            OnClick = popmainClick
          end
          object UnCheckAll: TMenuItem
            Caption = 'UnCheckAll'
            OnClick = popmainClick
          end
        end
      end
      object mnuBar: TMenuItem
        Caption = '|'
        Enabled = False
      end
      object mnuRight: TMenuItem
        Caption = '&Right (Current ImageList)'
        object mnuLoad: TMenuItem
          Caption = '&Load List...'
          OnClick = fileactionClick
        end
        object mnuSave: TMenuItem
          Caption = '&Save List...'
          OnClick = fileactionClick
        end
        object mnuAddFromFile: TMenuItem
          Caption = '&Add items from IML...'
          OnClick = fileactionClick
        end
        object bmp2iml: TMenuItem
          Caption = 'Add items from Bitmap...'
          OnClick = fileactionClick
        end
        object avi2iml: TMenuItem
          Caption = 'Add Items from AVI...'
          Visible = False
          OnClick = fileactionClick
        end
        object saveasbmp: TMenuItem
          Caption = 'Save Items as Bitmap...'
          OnClick = fileactionClick
        end
        object mnuMulti: TMenuItem
          Caption = '&MultiLine Mode'
          OnClick = PopupClick
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
          OnClick = popmainClick
        end
      end
  end
  object mainpop: TPopupMenu
    Left = 150
    Top = 160
    object Add2: TMenuItem
      Caption = 'Add'
      OnClick = popmainClick
    end
    object Remove2: TMenuItem
      Caption = 'Delete'
      OnClick = popmainClick
    end
    object Clear3: TMenuItem
      Caption = 'Clear'
      OnClick = popmainClick
    end
    object Up2: TMenuItem
      Caption = 'Up'
      OnClick = popmainClick
    end
    object Down2: TMenuItem
      Caption = 'Down'
      OnClick = popmainClick
    end
    object Prop: TMenuItem
      Caption = 'Properties'
      OnClick = popmainClick
    end
  end
  object pop: TPopupMenu
    Left = 180
    Top = 160
    object Remove1: TMenuItem
      Caption = '&Delete'
      OnClick = PopupClick
    end
    object Clear1: TMenuItem
      Caption = '&Clear All'
      OnClick = PopupClick
    end
    object Up3: TMenuItem
      Caption = '&Up'
      OnClick = PopupClick
    end
    object Down3: TMenuItem
      Caption = '&Down'
      OnClick = PopupClick
    end
  end
  object FileDialog: TOpenDialog
    Options = [ofHideReadOnly, ofPathMustExist, ofFileMustExist]
    Left = 210
    Top = 160
  end
  object SaveDialog: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly]
    Left = 240
    Top = 160
  end
  object ini: TZYLIniCtrl
    Target = itRegistry
    Left = 120
    Top = 190
  end
  object mru: TZYLMRUList
    IniLink = ini
    IniUse = ioUseLink
    Section = 'PathList'
    Button = load
    MaxLength = 48
    MenuItem = mnuSaveIML
    Options = [moShowAccel, moSubIfEmpty, moSubClearOption]
    OnClick = mruClick
    Left = 150
    Top = 190
  end
  object fm: TZYLFMDrop
    Control = lb
    OnFMDragDrop = fmFMDragDrop
    Left = 180
    Top = 190
  end
end
