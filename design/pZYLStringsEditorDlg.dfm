object ZYLFrmStringEditor: TZYLFrmStringEditor
  Left = 200
  Top = 120
  BorderIcons = []
  Caption = 'Stringlist Editor'
  ClientHeight = 321
  ClientWidth = 506
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  KeyPreview = True
  OldCreateOrder = True
  Position = poScreenCenter
  Scaled = False
  ShowHint = True
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object main: TZYLSimplePanel
    Left = 0
    Top = 0
    Width = 506
    Height = 34
    Align = alTop
    TabOrder = 0
    object ZYLButton1: TZYLButton
      Left = 4
      Top = 5
      Width = 50
      Height = 24
      Caption = 'OK'
      Default = True
      ModalResult = 1
      TabOrder = 0
      OnClick = ZYLButton1Click
    end
    object btnCancel: TZYLButton
      Left = 57
      Top = 5
      Width = 50
      Height = 24
      Cancel = True
      Caption = 'Cancel'
      ModalResult = 2
      TabOrder = 1
      OnClick = btnCancelClick
    end
    object ZYLButton2: TZYLButton
      Left = 110
      Top = 5
      Width = 50
      Height = 24
      Caption = 'Code'
      ModalResult = 6
      TabOrder = 2
    end
    object tools: TZYLSimplePanel
      Left = 163
      Top = 2
      Width = 334
      Height = 30
      TabOrder = 3
      object OpenBtn: TZYLSpeedButton
        Left = 3
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Load from file'
        ButtonStyle = ubsFlat
        ImageIndex = 0
        ImageList = ZYLImageList2
        OnClick = OpenBtnClick
      end
      object SaveBtn: TZYLSpeedButton
        Left = 39
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Save to file'
        ButtonStyle = ubsFlat
        ImageIndex = 1
        ImageList = ZYLImageList2
        OnClick = SaveBtnClick
      end
      object PrintBtn: TZYLSpeedButton
        Left = 75
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Print'
        ButtonStyle = ubsFlat
        ImageIndex = 2
        ImageList = ZYLImageList2
        OnClick = PrintBtnClick
      end
      object CutBtn: TZYLSpeedButton
        Left = 111
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Cut to clipboard'
        ButtonStyle = ubsFlat
        ImageIndex = 3
        ImageList = ZYLImageList2
        OnClick = CutBtnClick
      end
      object CopyBtn: TZYLSpeedButton
        Left = 147
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Copy to clipboard'
        ButtonStyle = ubsFlat
        ImageIndex = 4
        ImageList = ZYLImageList2
        OnClick = CopyBtnClick
      end
      object PasteBtn: TZYLSpeedButton
        Left = 183
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Paste from Clipboard'
        ButtonStyle = ubsFlat
        ImageIndex = 5
        ImageList = ZYLImageList2
        OnClick = PasteBtnClick
      end
      object SelectBtn: TZYLSpeedButton
        Left = 219
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Select all'
        ButtonStyle = ubsFlat
        ImageIndex = 6
        ImageList = ZYLImageList2
        OnClick = SelectBtnClick
      end
      object SearchBtn: TZYLSpeedButton
        Left = 255
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Search for'
        ButtonStyle = ubsFlat
        ImageIndex = 7
        ImageList = ZYLImageList2
        OnClick = SearchBtnClick
      end
      object ReplaceBtn: TZYLSpeedButton
        Left = 291
        Top = 3
        Width = 34
        Height = 24
        Hint = 'Search & Replace'
        ButtonStyle = ubsFlat
        ImageIndex = 8
        ImageList = ZYLImageList2
        OnClick = ReplaceBtnClick
      end
    end
  end
  object StrList: TMemo
    Left = 0
    Top = 34
    Width = 506
    Height = 267
    Align = alClient
    ScrollBars = ssBoth
    TabOrder = 1
    WantTabs = True
    WordWrap = False
    OnChange = StrListChange
    OnClick = StrListClick
    OnKeyDown = StrListKeyDown
    OnKeyPress = StrListKeyPress
    OnKeyUp = StrListKeyUp
  end
  object StatusBar: TZYLStatusBar
    Left = 0
    Top = 301
    Width = 506
    Height = 20
    Align = alBottom
    ControlGap = 3
    object PosInfo: TZYLGlyphLabel
      Left = 3
      Top = 3
      Width = 120
      Height = 14
      Alignment.Alignment = agCenter
      AutoSize = False
      Caption = '0:0'
    end
    object ZYLInformationLabel2: TZYLInformationLabel
      Left = 126
      Top = 3
      Width = 49
      Height = 14
      Alignment = agCenter
      AutoSize = False
      Bevel.StyleOuter = bvLowered
      Caption = 'Num:'
      Info = itNumLock
      Transparent = False
    end
    object ZYLInformationLabel1: TZYLInformationLabel
      Left = 178
      Top = 3
      Width = 51
      Height = 14
      Alignment = agCenter
      AutoSize = False
      Bevel.StyleOuter = bvLowered
      Caption = 'Caps:'
      Info = itCapsLock
      Transparent = False
    end
  end
  object ZYLImageList2: TZYLImageList
    Left = 300
    Top = 80
  end
  object OpenDialog: TOpenDialog
    Filter = 'Text files (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 332
    Top = 80
  end
  object SaveDialog: TSaveDialog
    Filter = 'Text files (*.txt)|*.txt|All files (*.*)|*.*'
    Left = 364
    Top = 80
  end
  object FindDialog: TFindDialog
    OnFind = FindDialogFind
    Left = 396
    Top = 80
  end
  object ReplaceDialog: TReplaceDialog
    OnFind = ReplaceDialogFind
    OnReplace = ReplaceDialogReplace
    Left = 428
    Top = 80
  end
  object PrintDialog: TPrintDialog
    Left = 460
    Top = 80
  end
  object ZYLFormStyler1: TZYLFormStyler
    Left = 300
    Top = 112
  end
end
