// The framework's exception root and the kinds the library raises or catches.
#pragma once

#include <exception>
#include <string>

namespace vcl {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  void SetMessage(std::string message) { message_ = std::move(message); }
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int ctx) { helpContext_ = ctx; }
  const char* what() const noexcept override { return message_.c_str(); }
  // The class name as the framework reports it ("EConvertError").
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string message_;
  int helpContext_ = 0;
};

// Declares an exception kind derived from `base` with its framework class name.
#define ZYL_DECLARE_EXCEPTION(name, base)                        \
  class name : public base {                                     \
   public:                                                       \
    using base::base;                                            \
    const char* ClassName() const override { return #name; }     \
  }

ZYL_DECLARE_EXCEPTION(EAbort, Exception);
ZYL_DECLARE_EXCEPTION(EConvertError, Exception);
ZYL_DECLARE_EXCEPTION(EListError, Exception);
ZYL_DECLARE_EXCEPTION(EStringListError, Exception);
ZYL_DECLARE_EXCEPTION(EStreamError, Exception);
ZYL_DECLARE_EXCEPTION(EFilerError, EStreamError);
ZYL_DECLARE_EXCEPTION(EReadError, EFilerError);
ZYL_DECLARE_EXCEPTION(EWriteError, EFilerError);
ZYL_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
ZYL_DECLARE_EXCEPTION(EInvalidImage, EFilerError);
ZYL_DECLARE_EXCEPTION(EFOpenError, EStreamError);
ZYL_DECLARE_EXCEPTION(EFCreateError, EStreamError);
ZYL_DECLARE_EXCEPTION(EResNotFound, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
ZYL_DECLARE_EXCEPTION(EOutOfResources, Exception);
ZYL_DECLARE_EXCEPTION(EOutOfMemory, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidCast, Exception);
ZYL_DECLARE_EXCEPTION(EIntfCastError, Exception);
ZYL_DECLARE_EXCEPTION(EComponentError, Exception);
ZYL_DECLARE_EXCEPTION(EPropertyError, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidPointer, Exception);
ZYL_DECLARE_EXCEPTION(ERangeError, Exception);
ZYL_DECLARE_EXCEPTION(EMathError, Exception);
ZYL_DECLARE_EXCEPTION(EInvalidArgument, EMathError);
ZYL_DECLARE_EXCEPTION(EZeroDivide, EMathError);
ZYL_DECLARE_EXCEPTION(EOverflow, EMathError);
ZYL_DECLARE_EXCEPTION(EDivByZero, Exception);
ZYL_DECLARE_EXCEPTION(EIntOverflow, Exception);
ZYL_DECLARE_EXCEPTION(EOSError, Exception);
ZYL_DECLARE_EXCEPTION(EInOutError, Exception);
ZYL_DECLARE_EXCEPTION(EThread, Exception);
ZYL_DECLARE_EXCEPTION(EPackageError, Exception);
ZYL_DECLARE_EXCEPTION(EIniFileException, Exception);
ZYL_DECLARE_EXCEPTION(ERegistryException, Exception);
ZYL_DECLARE_EXCEPTION(EMenuError, Exception);

}  // namespace vcl
