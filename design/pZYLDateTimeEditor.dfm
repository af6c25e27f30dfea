object ZYLFrmDateTimeEditor: TZYLFrmDateTimeEditor
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = 'DateTime Editor'
  ClientHeight = 168
  ClientWidth = 380
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  OldCreateOrder = True
  Position = poScreenCenter
  OnActivate = FormActivate
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object gbDate: TGroupBox
    Left = 8
    Top = 8
    Width = 280
    Height = 72
    Caption = 'Date'
    TabOrder = 0
    object lbDayEdit: TLabel
      Left = 12
      Top = 18
      Caption = 'Day:'
      FocusControl = DayEdit
    end
    object DayEdit: TZYLSpinEdit
      Left = 12
      Top = 34
      Width = 56
      MinValue = 1
      MaxValue = 31
      Value = 1
      TabOrder = 0
    end
    object lbMonthEdit: TLabel
      Left = 76
      Top = 18
      Caption = 'Month:'
      FocusControl = MonthEdit
    end
    object MonthEdit: TZYLSpinEdit
      Left = 76
      Top = 34
      Width = 56
      MinValue = 1
      MaxValue = 12
      Value = 1
      TabOrder = 1
    end
    object lbYearEdit: TLabel
      Left = 140
      Top = 18
      Caption = 'Year:'
      FocusControl = YearEdit
    end
    object YearEdit: TZYLSpinEdit
      Left = 140
      Top = 34
      Width = 56
      MinValue = 1900
      MaxValue = 3000
      Value = 2000
      TabOrder = 2
    end
    object btDate: TButton
      Left = 200
      Top = 32
      Width = 72
      Height = 25
      Caption = 'Current Date'
      TabOrder = 3
      OnClick = CurrentDateClick
    end
  end
  object gbTime: TGroupBox
    Left = 8
    Top = 88
    Width = 280
    Height = 72
    Caption = 'Time'
    TabOrder = 1
    object lbHourEdit: TLabel
      Left = 12
      Top = 18
      Caption = 'Hour:'
      FocusControl = HourEdit
    end
    object HourEdit: TZYLSpinEdit
      Left = 12
      Top = 34
      Width = 56
      MinValue = 0
      MaxValue = 23
      Value = 0
      TabOrder = 0
    end
    object lbMinuteEdit: TLabel
      Left = 76
      Top = 18
      Caption = 'Minute:'
      FocusControl = MinuteEdit
    end
    object MinuteEdit: TZYLSpinEdit
      Left = 76
      Top = 34
      Width = 56
      MinValue = 0
      MaxValue = 59
      Value = 0
      TabOrder = 1
    end
    object lbSecondEdit: TLabel
      Left = 140
      Top = 18
      Caption = 'Second:'
      FocusControl = SecondEdit
    end
    object SecondEdit: TZYLSpinEdit
      Left = 140
      Top = 34
      Width = 56
      MinValue = 0
      MaxValue = 59
      Value = 0
      TabOrder = 2
    end
    object btTime: TButton
      Left = 200
      Top = 32
      Width = 72
      Height = 25
      Caption = 'Current Time'
      TabOrder = 3
      OnClick = CurrentTimeClick
    end
  end
  object btOK: TButton
    Left = 297
    Top = 14
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object btCancel: TButton
    Left = 297
    Top = 45
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 3
  end
  object styler: TZYLFormStyler
    Left = 320
    Top = 120
  end
end
