object ZYLButtonFaceDlg: TZYLButtonFaceDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'ButtonFace-Editor'
  ClientHeight = 318
  ClientWidth = 466
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
  PixelsPerInch = 96
  TextHeight = 13
  object lb: TZYLListBox
    Left = 8
    Top = 8
    Width = 340
    Height = 280
    Style = lbOwnerDrawFixed
    HeaderSections = <
      item
        Text = 'State'
        Width = 108
      end
      item
        Text = 'Picture'
        Width = 228
      end>
    ItemHeight = 40
    TabOrder = 0
    OnDrawItem = lbDrawItem
    OnDblClick = SelectBtnClick
    OnResize = lbResize
  end
  object SelectBtn: TButton
    Left = 358
    Top = 8
    Width = 100
    Height = 25
    Caption = 'Select Picture'
    TabOrder = 1
    OnClick = SelectBtnClick
  end
  object nopicture: TButton
    Left = 358
    Top = 38
    Width = 100
    Height = 25
    Caption = 'Clear Picture'
    TabOrder = 2
    OnClick = nopictureClick
  end
  object ClearAll: TButton
    Left = 358
    Top = 68
    Width = 100
    Height = 25
    Caption = 'Clear All'
    TabOrder = 3
    OnClick = ClearAllClick
  end
  object sync: TButton
    Left = 358
    Top = 106
    Width = 100
    Height = 25
    Hint = 
      'Synch bsUp/bsDown ListIndex with other button states.'#13#10'Use this fe' +
      'ature if only bsUp/bsDown Images are available.'
    Caption = 'Sync Normal'
    TabOrder = 4
    OnClick = syncClick
  end
  object synchot: TButton
    Left = 358
    Top = 136
    Width = 100
    Height = 25
    Hint = 
      'Synch bsUp/bsDown/bsMouseOver ListIndex with other button states.'#13#10'U' +
      'se this feature if only bsUp/bsDown/bsMouseOver Images are available.'
    Caption = 'Sync Hot'
    TabOrder = 5
    OnClick = syncClick
  end
  object ResetBtn: TButton
    Left = 358
    Top = 174
    Width = 100
    Height = 25
    Caption = 'Reset'
    TabOrder = 6
    OnClick = ResetBtnClick
  end
  object OKButton: TButton
    Left = 358
    Top = 230
    Width = 100
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 7
  end
  object CancelButton: TButton
    Left = 358
    Top = 262
    Width = 100
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 8
  end
  object Note: TLabel
    Left = 8
    Top = 296
    Caption = '''Clearing'' a state resets to first image of connected imagelist.'
  end
end
