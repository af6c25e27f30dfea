// TZYLWaveEditorDlg: the modal chooser of one wave. The developer browses the drives and
// folders for wave files, listens to them from disk, loads one into the working wave, saves
// or clears it, and keeps favourite folders that live in the design-time registry key from one
// use to the next (section "WavePaths": "Path0", "Path1", ... in the sorted order of the
// favourites, "Lock" and, while Lock is checked, "LockPath", the folder shown at closing).
#pragma once

#include <memory>
#include <string>

#include "design/pZYLWaveEditorDlg.fieldtypes.h"
#include "platform/controls/Forms.h"
#include "platform/sys/Packages.h"

namespace vcl {
class TLabel;
}  // namespace vcl

namespace zyl {

class TZYLWave;

// The registry section of the chooser's favourites and lock.
extern const char* const ZYLWavePathsSection;

class TZYLWaveEditorDlg : public vcl::TForm {
  ZYL_CLASS(TZYLWaveEditorDlg, vcl::TForm)
  explicit TZYLWaveEditorDlg(vcl::TComponent* AOwner);
  ~TZYLWaveEditorDlg() override;

  // Chooses a wave for Wave on a working copy; OK assigns it back. True exactly on OK.
  static bool Edit(TZYLWave* Wave);
  // Assigns Value into the working wave.
  void SetWave(TZYLWave* Value);
  // The working wave, read after OK.
  TZYLWave* Wave() const { return FWave.get(); }
  // The enabled states of the buttons and the facts of the working wave.
  void SetLabels();

#include "design/pZYLWaveEditorDlg.fields.h"

  void FormCreate(vcl::TObject* Sender);
  void FormActivate(vcl::TObject* Sender);
  void FormClose(vcl::TObject* Sender, vcl::TCloseAction& Action);
  void FormDestroy(vcl::TObject* Sender);
  void LoadClick(vcl::TObject* Sender);
  void SaveClick(vcl::TObject* Sender);
  void ClearClick(vcl::TObject* Sender);
  void PlayClick(vcl::TObject* Sender);
  void FileListChange(vcl::TObject* Sender);
  void FileListDblClick(vcl::TObject* Sender);
  void addClick(vcl::TObject* Sender);
  void removeClick(vcl::TObject* Sender);
  void cmbChange(vcl::TObject* Sender);

 private:
  // The selected file's full name; empty when none is selected.
  std::string SelectedFile() const;
  // Adds the shown folder to the favourites unless it is one; its index (-1: it was there).
  int AddShownFolder();
  std::unique_ptr<TZYLWave> FWave;
  std::string FLockPath;
  bool FActivated = false;
};

// Shows a wave's facts in the labels: its format, size in bytes, bits per sample, sample rate
// and channels, or "No Wave-File selected" and "---" for an empty wave.
void ZYLShowWaveFacts(const TZYLWave* Wave, vcl::TLabel* Format, vcl::TLabel* Size,
                      vcl::TLabel* Bits, vcl::TLabel* SampleRate, vcl::TLabel* Channels);

void pZYLWaveEditorDlgInit();
void pZYLWaveEditorDlgDone();
inline constexpr vcl::TUnitEntry pZYLWaveEditorDlgUnit{"pZYLWaveEditorDlg", &pZYLWaveEditorDlgInit,
                                                       &pZYLWaveEditorDlgDone};

}  // namespace zyl
