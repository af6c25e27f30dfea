// The framework's exception root and the kinds the library raises or catches.
#pragma once

#include <exception>
#include <string>

#include "platform/base/FixedName.h"

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

// An exception kind that adds nothing to its base but its framework class name: each kind is an
// alias naming itself, `using EFoo = TNamedException<"EFoo", Base>;`.
template <TFixedName Name, class Base>
class TNamedException : public Base {
 public:
  using Base::Base;
  const char* ClassName() const override { return Name.text; }
};

using EAbort = TNamedException<"EAbort", Exception>;
using EConvertError = TNamedException<"EConvertError", Exception>;
using EListError = TNamedException<"EListError", Exception>;
using EStringListError = TNamedException<"EStringListError", Exception>;
using EStreamError = TNamedException<"EStreamError", Exception>;
using EFilerError = TNamedException<"EFilerError", EStreamError>;
using EReadError = TNamedException<"EReadError", EFilerError>;
using EWriteError = TNamedException<"EWriteError", EFilerError>;
using EClassNotFound = TNamedException<"EClassNotFound", EFilerError>;
using EInvalidImage = TNamedException<"EInvalidImage", EFilerError>;
using EFOpenError = TNamedException<"EFOpenError", EStreamError>;
using EFCreateError = TNamedException<"EFCreateError", EStreamError>;
using EResNotFound = TNamedException<"EResNotFound", Exception>;
using EInvalidOperation = TNamedException<"EInvalidOperation", Exception>;
using EOutOfResources = TNamedException<"EOutOfResources", Exception>;
using EOutOfMemory = TNamedException<"EOutOfMemory", Exception>;
using EInvalidGraphic = TNamedException<"EInvalidGraphic", Exception>;
using EInvalidGraphicOperation = TNamedException<"EInvalidGraphicOperation", Exception>;
using EInvalidCast = TNamedException<"EInvalidCast", Exception>;
using EIntfCastError = TNamedException<"EIntfCastError", Exception>;
using EComponentError = TNamedException<"EComponentError", Exception>;
using EPropertyError = TNamedException<"EPropertyError", Exception>;
using EInvalidPointer = TNamedException<"EInvalidPointer", Exception>;
using ERangeError = TNamedException<"ERangeError", Exception>;
using EMathError = TNamedException<"EMathError", Exception>;
using EInvalidArgument = TNamedException<"EInvalidArgument", EMathError>;
using EZeroDivide = TNamedException<"EZeroDivide", EMathError>;
using EOverflow = TNamedException<"EOverflow", EMathError>;
using EDivByZero = TNamedException<"EDivByZero", Exception>;
using EIntOverflow = TNamedException<"EIntOverflow", Exception>;
using EOSError = TNamedException<"EOSError", Exception>;
using EInOutError = TNamedException<"EInOutError", Exception>;
using EThread = TNamedException<"EThread", Exception>;
using EPackageError = TNamedException<"EPackageError", Exception>;
using EIniFileException = TNamedException<"EIniFileException", Exception>;
using ERegistryException = TNamedException<"ERegistryException", Exception>;
using EMenuError = TNamedException<"EMenuError", Exception>;

}  // namespace vcl
