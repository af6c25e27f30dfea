object ZYLWaveEditorDlg: TZYLWaveEditorDlg
  Left = 200
  Top = 120
  ActiveControl = FileList
  BorderStyle = bsDialog
  Caption = 'Select Wave'
  ClientHeight = 235
  ClientWidth = 573
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  PixelsPerInch = 96
  TextHeight = 13
  object Label5: TLabel
    Left = 8
    Top = 8
    Width = 25
    Height = 13
    Caption = 'Path:'
  end
  object Label6: TLabel
    Left = 40
    Top = 8
    Width = 283
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object DriveComboBox1: TDriveComboBox
    Left = 8
    Top = 26
    Width = 157
    Height = 19
    DirList = dirbox
    TabOrder = 0
  end
  object dirbox: TDirectoryListBox
    Left = 8
    Top = 50
    Width = 157
    Height = 124
    DirLabel = Label6
    FileList = FileList
    ItemHeight = 16
    TabOrder = 1
  end
  object FileList: TFileListBox
    Left = 172
    Top = 26
    Width = 151
    Height = 148
    ItemHeight = 16
    Mask = '*.wav'
    TabOrder = 2
    OnChange = FileListChange
    OnDblClick = FileListDblClick
  end
  object Label4: TLabel
    Left = 8
    Top = 185
    Width = 30
    Height = 13
    Caption = 'Paths:'
  end
  object cmb: TComboBox
    Left = 48
    Top = 181
    Width = 275
    Height = 21
    Style = csDropDownList
    ItemHeight = 13
    Sorted = True
    TabOrder = 3
    OnChange = cmbChange
  end
  object add: TButton
    Left = 8
    Top = 207
    Width = 75
    Height = 23
    Caption = '&Add'
    TabOrder = 4
    OnClick = addClick
  end
  object remove: TButton
    Left = 88
    Top = 207
    Width = 75
    Height = 23
    Caption = '&Remove'
    TabOrder = 5
    OnClick = removeClick
  end
  object clearlist: TButton
    Left = 168
    Top = 207
    Width = 75
    Height = 23
    Caption = 'Clear &List'
    TabOrder = 6
    OnClick = removeClick
  end
  object Lock: TCheckBox
    Left = 256
    Top = 210
    Width = 67
    Height = 17
    Caption = '&Lock'
    TabOrder = 7
  end
  object Label1: TLabel
    Left = 340
    Top = 8
    Width = 68
    Height = 13
    Caption = 'Current Wave:'
  end
  object format: TLabel
    Left = 340
    Top = 26
    Width = 225
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Bevel1: TBevel
    Left = 340
    Top = 46
    Width = 225
    Height = 2
    Shape = bsTopLine
  end
  object Label2: TLabel
    Left = 340
    Top = 56
    Width = 23
    Height = 13
    Caption = 'Size:'
  end
  object size: TLabel
    Left = 372
    Top = 56
    Width = 68
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Label23: TLabel
    Left = 460
    Top = 56
    Width = 15
    Height = 13
    Caption = 'Bit:'
  end
  object bits: TLabel
    Left = 492
    Top = 56
    Width = 68
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Label7: TLabel
    Left = 340
    Top = 76
    Width = 18
    Height = 13
    Caption = 'SR:'
  end
  object samplerate: TLabel
    Left = 372
    Top = 76
    Width = 68
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Label3: TLabel
    Left = 460
    Top = 76
    Width = 22
    Height = 13
    Caption = 'Ch.:'
  end
  object Channels: TLabel
    Left = 492
    Top = 76
    Width = 68
    Height = 13
    AutoSize = False
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clNavy
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    ParentFont = False
  end
  object Bevel2: TBevel
    Left = 340
    Top = 96
    Width = 225
    Height = 2
    Shape = bsTopLine
  end
  object Load: TButton
    Left = 340
    Top = 106
    Width = 110
    Height = 23
    Caption = '&Load'
    TabOrder = 8
    OnClick = LoadClick
  end
  object Save: TButton
    Left = 455
    Top = 106
    Width = 110
    Height = 23
    Caption = '&Save'
    TabOrder = 9
    OnClick = SaveClick
  end
  object Play: TButton
    Left = 340
    Top = 134
    Width = 110
    Height = 23
    Caption = '&Play'
    TabOrder = 10
    OnClick = PlayClick
  end
  object Clear: TButton
    Left = 455
    Top = 134
    Width = 110
    Height = 23
    Caption = '&Clear'
    TabOrder = 11
    OnClick = ClearClick
  end
  object Bevel3: TBevel
    Left = 340
    Top = 196
    Width = 225
    Height = 2
    Shape = bsTopLine
  end
  object ok: TButton
    Left = 410
    Top = 207
    Width = 75
    Height = 23
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 12
  end
  object Button2: TButton
    Left = 490
    Top = 207
    Width = 75
    Height = 23
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 13
  end
  object PlayWave: TBitBtn
    Left = 340
    Top = 166
    Width = 25
    Height = 25
    Caption = 'PlayWave'
    TabOrder = 14
    Visible = False
    OnClick = FileListDblClick
  end
  object SaveDialog: TSaveDialog
    DefaultExt = 'wav'
    FileName = '*.wav'
    Options = [ofOverwritePrompt, ofHideReadOnly]
    Left = 520
    Top = 160
  end
  object fs: TZYLFormStyler
    Left = 488
    Top = 160
  end
end
