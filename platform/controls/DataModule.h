// TDataModule: a root for non-visual components, with a form stream of its own but no window.
// Its design position (Left, Top) and size (Width, Height) and the designer's scroll offsets
// are kept for the designer and streamed; nothing shows them at run time.
#pragma once

#include <cstdint>

#include "platform/base/Types.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

namespace vcl {

class TStream;

class TDataModule : public TComponent {
  ZYL_CLASS(TDataModule, TComponent)
  // An empty module (the framework's CreateNew); InitFromResources reads its form streams.
  explicit TDataModule(TComponent* AOwner);
  // Tells OnDestroy first.
  ~TDataModule() override;

  // Reads the form streams of the class chain (resources named like the classes, the oldest
  // ancestor first), then calls OnCreate. Answers whether a stream was found.
  bool InitFromResources();
  void DoCreate();

  void SetDesignOffset(TPoint Value) { designOffset_ = Value; }
  TPoint DesignSize() const { return designSize_; }

  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool Value) { oldCreateOrder_ = Value; }
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  const TNotifyEvent& GetOnCreate() const { return OnCreate; }
  void SetOnCreate(const TNotifyEvent& E) { OnCreate = E; }
  const TNotifyEvent& GetOnDestroy() const { return OnDestroy; }
  void SetOnDestroy(const TNotifyEvent& E) { OnDestroy = E; }

  // The owned components (none has a parent), for the form stream.
  void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  TPoint designOffset_{0, 0};
  TPoint designSize_{0, 0};
  bool oldCreateOrder_ = false;
};

// Reads a form stream (binary, or text converted on the way) into a data module, then calls
// OnCreate. With IgnoreMissingMethods, a handler the class lacks leaves the event empty.
void ReadDataModule(TStream* Stream, TDataModule* Instance, bool IgnoreMissingMethods = false);

}  // namespace vcl
