// Window procedures made from methods.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/Exceptions.h"
#include "platform/controls/ObjectInstance.h"

namespace vcl::testing {
namespace {

struct TReceiver : TObject {
  int Id = 0;
  UINT Last = 0;
  void Receive(TMessage& m) {
    Last = m.Msg;
    m.Result = Id * 1000 + static_cast<LRESULT>(m.WParam);
  }
};

TEST(ObjectInstance, EachProcedureCallsItsOwnMethodUntilFreedAndTheyRunOutCleanly) {
  std::vector<TReceiver> receivers(MaxObjectInstances);
  std::vector<win::WNDPROC> procs;
  for (int i = 0; i < MaxObjectInstances; ++i) {
    receivers[i].Id = i;
    procs.push_back(MakeObjectInstance(TWndMethod(&receivers[i], &TReceiver::Receive)));
  }
  EXPECT_EQ(procs[7](nullptr, win::WM_USER, 5, 0), 7005);
  EXPECT_EQ(receivers[7].Last, static_cast<UINT>(win::WM_USER));
  EXPECT_EQ(procs.back()(nullptr, win::WM_NULL, 1, 0), (MaxObjectInstances - 1) * 1000 + 1);
  TReceiver extra;
  extra.Id = 9;
  EXPECT_THROW(MakeObjectInstance(TWndMethod(&extra, &TReceiver::Receive)), EOutOfResources);
  FreeObjectInstance(procs[3]);
  EXPECT_EQ(procs[3](nullptr, win::WM_USER, 1, 0), 0);  // freed: nothing is called
  const win::WNDPROC again = MakeObjectInstance(TWndMethod(&extra, &TReceiver::Receive));
  EXPECT_EQ(again(nullptr, win::WM_USER, 2, 0), 9002);
  FreeObjectInstance(nullptr);
  FreeObjectInstance(again);
  for (int i = 0; i < MaxObjectInstances; ++i)
    if (i != 3) FreeObjectInstance(procs[i]);
}

}  // namespace
}  // namespace vcl::testing
