object ZYLCustImgListSelectDlg: TZYLCustImgListSelectDlg
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'Select Image...'
  ClientHeight = 335
  ClientWidth = 494
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnActivate = FormActivate
  PixelsPerInch = 96
  TextHeight = 13
  object ln: TZYLListBox
    Left = 8
    Top = 8
    Width = 380
    Height = 96
    HeaderSections = <
      item
        Text = 'T'
        Width = 18
      end
      item
        Text = 'N'
        Width = 28
      end
      item
        Text = 'Name of ImageList'
        Width = 161
      end>
    ItemHeight = 16
    TabOrder = 0
    OnClick = lnClick
  end
  object Label1: TLabel
    Left = 8
    Top = 116
    Caption = '&ListIndex:'
    FocusControl = cmb
  end
  object cmb: TComboBox
    Left = 72
    Top = 112
    Width = 316
    Height = 21
    Style = csDropDownList
    TabOrder = 1
    OnChange = cmbChange
  end
  object lb: TZYLListBox
    Left = 8
    Top = 142
    Width = 380
    Height = 185
    Style = lbOwnerDrawFixed
    HeaderSections = <
      item
        Text = 'Nr.'
        Width = 37
      end
      item
        Text = 'ID'
        Width = 39
      end
      item
        Text = 'Bitmap'
        Width = 284
      end>
    ItemHeight = 40
    TabOrder = 2
    OnDrawItem = lbDrawItem
    OnDblClick = lbDblClick
  end
  object btnOk: TZYLButton
    Left = 404
    Top = 8
    Width = 80
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 3
  end
  object btnCancel: TZYLButton
    Left = 404
    Top = 40
    Width = 80
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 4
  end
  object Button2: TZYLButton
    Left = 404
    Top = 80
    Width = 80
    Height = 25
    Caption = 'Clear'
    TabOrder = 5
    OnClick = Button2Click
  end
end
