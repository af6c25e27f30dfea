#include "design/pZYLWaveEditorDlg.h"

#include "design/pZYLDsgnOptions.h"
#include "design/pZYLObjectEditor.h"
#include "design/pZYLPECst.h"
#include "foundation/ZYLConst.h"
#include "foundation/ZYLCont.h"
#include "foundation/ZYLStrings.h"
#include "platform/base/Finally.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypeInfo.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/FileCtrl.h"
#include "platform/controls/StdCtrls.h"
#include "platform/rtl/Consts.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/sys/ShellApi.h"
#include "system/ZYLFormStyler.h"

namespace zyl {

using vcl::TObject;

const char* const ZYLWavePathsSection = "WavePaths";

namespace {

const char kPathValue[] = "Path";
const char kLockValue[] = "Lock";
const char kLockPathValue[] = "LockPath";
const char kNoValue[] = "---";

}  // namespace

ZYL_CLASS_IMPL(TZYLWaveEditorDlg) {
  DescribeFields(b);
  using T = TZYLWaveEditorDlg;
  b.Method("FormCreate", &T::FormCreate)
      .Method("FormActivate", &T::FormActivate)
      .Method("FormClose", &T::FormClose)
      .Method("FormDestroy", &T::FormDestroy)
      .Method("LoadClick", &T::LoadClick)
      .Method("SaveClick", &T::SaveClick)
      .Method("ClearClick", &T::ClearClick)
      .Method("PlayClick", &T::PlayClick)
      .Method("FileListChange", &T::FileListChange)
      .Method("FileListDblClick", &T::FileListDblClick)
      .Method("addClick", &T::addClick)
      .Method("removeClick", &T::removeClick)
      .Method("cmbChange", &T::cmbChange);
}

TZYLWaveEditorDlg::TZYLWaveEditorDlg(vcl::TComponent* AOwner)
    : inherited(AOwner), FWave(std::make_unique<TZYLWave>()) {}

TZYLWaveEditorDlg::~TZYLWaveEditorDlg() { ZYLFormDestroying(this); }

bool TZYLWaveEditorDlg::Edit(TZYLWave* Wave) {
  auto dlg = ZYLCreateEditorForm<TZYLWaveEditorDlg>(nullptr);
  dlg->SetWave(Wave);
  dlg->SetLabels();
  if (!ZYLRunEditorForm(dlg.get())) return false;
  Wave->Assign(dlg->Wave());
  return true;
}

void TZYLWaveEditorDlg::SetWave(TZYLWave* Value) { FWave->Assign(Value); }

void TZYLWaveEditorDlg::FormCreate(TObject*) {
  FActivated = false;
  SetCaption(IDS_WAVECAPTION);
  Label5->SetCaption(IDS_PATH);
  Label4->SetCaption(IDS_PATHS);
  add->SetCaption(IDS_ADD);
  remove->SetCaption(IDS_REMOVE);
  clearlist->SetCaption(IDS_CLEARLIST);
  Label1->SetCaption(IDS_ACTUALWAVE);
  Load->SetCaption(IDS_LOAD);
  Save->SetCaption(IDS_SAVE);
  Play->SetCaption(IDS_PLAY);
  Clear->SetCaption(IDS_CLEAR);
  SaveDialog->SetTitle(IDS_SAVEFILEAS);
  SaveDialog->SetFilter(IDS_WAVEFILTER);
}

void TZYLWaveEditorDlg::FormDestroy(TObject*) { FWave->Stop(); }

void TZYLWaveEditorDlg::SetLabels() {
  const bool favourites = cmb->Items()->Count() > 0;
  remove->SetEnabled(favourites);
  clearlist->SetEnabled(favourites);
  const bool wave = !FWave->GetEmpty();
  Save->SetEnabled(wave);
  Clear->SetEnabled(wave);
  Play->SetEnabled(wave);
  FileListChange(FileList);
  ZYLShowWaveFacts(FWave.get(), format, size, bits, samplerate, Channels);
}

void ZYLShowWaveFacts(const TZYLWave* Wave, vcl::TLabel* Format, vcl::TLabel* Size,
                      vcl::TLabel* Bits, vcl::TLabel* SampleRate, vcl::TLabel* Channels) {
  if (Wave->GetEmpty()) {
    Format->SetCaption(IDS_NOWAVESELECTED);
    for (vcl::TLabel* label : {SampleRate, Size, Bits, Channels}) label->SetCaption(kNoValue);
    return;
  }
  Format->SetCaption(Wave->GetFormat() == wfPCM ? "PCM-Wave" : vcl::srUnknown);
  switch (Wave->GetChannelMode()) {
    case cmMono: Channels->SetCaption("Mono"); break;
    case cmStereo: Channels->SetCaption("Stereo"); break;
    default: Channels->SetCaption(vcl::srUnknown); break;
  }
  SampleRate->SetCaption(vcl::IntToStr(Wave->GetSampleRate()) + " Hz");
  Size->SetCaption(vcl::IntToStr(Wave->GetSize()) + " Bytes");
  Bits->SetCaption(vcl::IntToStr(Wave->GetBits()) + " Bit");
}

// The favourites and the lock come from the registry once, when the form is first shown.
void TZYLWaveEditorDlg::FormActivate(TObject*) {
  if (FActivated) return;
  if (ZYLDsgnReadBool(ZYLWavePathsSection, kLockValue, false)) {
    FLockPath = ZYLDsgnReadString(ZYLWavePathsSection, kLockPathValue, "");
    if (!FLockPath.empty()) dirbox->SetDirectory(FLockPath);
    Lock->SetChecked(true);
  }
  vcl::TStringList values;
  ZYLDsgnReadSectionValues(ZYLWavePathsSection, &values);
  for (int i = 0; i < values.Count(); ++i) {
    const std::string path = values.Values(kPathValue + vcl::IntToStr(i));
    if (!path.empty()) cmb->Items()->Add(path);
  }
  SetLabels();
  FActivated = true;
}

// Every close writes the section anew: the favourites in their sorted order, the lock, and
// the shown folder only while Lock is checked (nothing else is written otherwise).
void TZYLWaveEditorDlg::FormClose(TObject*, vcl::TCloseAction&) {
  ZYLDsgnEraseSection(ZYLWavePathsSection);
  for (int i = 0; i < cmb->Items()->Count(); ++i)
    ZYLDsgnWriteString(ZYLWavePathsSection, kPathValue + vcl::IntToStr(i), cmb->Items()->Get(i));
  ZYLDsgnWriteBool(ZYLWavePathsSection, kLockValue, Lock->Checked());
  if (Lock->Checked()) {
    FLockPath = dirbox->Directory();
    ZYLDsgnWriteString(ZYLWavePathsSection, kLockPathValue, FLockPath);
  }
}

std::string TZYLWaveEditorDlg::SelectedFile() const {
  const int index = FileList->ItemIndex();
  if (index < 0 || index >= FileList->Items()->Count()) return std::string();
  return ZYLSlashAdd(FileList->Directory()) + FileList->Items()->Get(index);
}

void TZYLWaveEditorDlg::FileListChange(TObject*) {
  const bool selected = !SelectedFile().empty();
  Load->SetEnabled(selected);
  PlayWave->SetEnabled(selected);
}

// The preview plays the file from disk; the working wave is not touched and a refusal of the
// sound output is ignored.
void TZYLWaveEditorDlg::FileListDblClick(TObject*) {
  const std::string file = SelectedFile();
  if (!file.empty()) win::sndPlaySoundA(file.c_str(), win::SND_ASYNC | win::SND_NODEFAULT);
}

int TZYLWaveEditorDlg::AddShownFolder() {
  const std::string dir = dirbox->Directory();
  if (cmb->Items()->IndexOf(dir) >= 0) return -1;
  return cmb->Items()->Add(dir);
}

void TZYLWaveEditorDlg::LoadClick(TObject*) {
  FWave->Stop();
  const std::string file = SelectedFile();
  TZYLWaveInfo info;
  if (file.empty() || !ZYLGetWaveFileInfo(file, info)) {
    vcl::MessageDlg("TZYLWave: " + vcl::Format(vcl::SFOpenError, {file}), vcl::mtError, {vcl::mbOK},
                    0);
    return;
  }
  FWave->LoadFromFile(file);
  AddShownFolder();
  SetLabels();
}

void TZYLWaveEditorDlg::SaveClick(TObject*) {
  if (FWave->GetEmpty() || !SaveDialog->Execute()) return;
  FWave->SaveToFile(SaveDialog->FileName());
  FileList->Update();
  SetLabels();
}

void TZYLWaveEditorDlg::ClearClick(TObject*) {
  FWave->FreeWave();
  SetLabels();
}

void TZYLWaveEditorDlg::PlayClick(TObject*) {
  if (!FWave->GetEmpty()) FWave->Play();
}

void TZYLWaveEditorDlg::addClick(TObject*) {
  const int index = AddShownFolder();
  if (index < 0) return;
  cmb->SetItemIndex(index);
  SetLabels();
}

void TZYLWaveEditorDlg::removeClick(TObject* Sender) {
  if (Sender == clearlist) {
    if (vcl::MessageDlg(IDS_DELETELIST, vcl::mtConfirmation, {vcl::mbYes, vcl::mbNo}, 0) ==
        vcl::mrYes)
      cmb->Items()->Clear();
  } else if (cmb->ItemIndex() >= 0) {
    cmb->Items()->Delete(cmb->ItemIndex());
    if (cmb->Items()->Count() == 0) cmb->SetItemIndex(-1);
  }
  SetLabels();
}

void TZYLWaveEditorDlg::cmbChange(TObject*) {
  if (cmb->ItemIndex() >= 0) dirbox->SetDirectory(cmb->Items()->Get(cmb->ItemIndex()));
  SetLabels();
}

void pZYLWaveEditorDlgInit() {
  vcl::RegisterStandardControls();  // the folder, file and drive boxes
  vcl::RegisterButtons();
  vcl::RegisterDialogs();
  ZYLEnterEditorUnit(TZYLWaveEditorDlg::StaticClass(), TZYLWaveEditorDlg::FormLayout());
}

void pZYLWaveEditorDlgDone() { ZYLLeaveEditorUnit(TZYLWaveEditorDlg::StaticClass()); }

}  // namespace zyl
