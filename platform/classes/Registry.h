// The class registry: classes that form streams and clipboards create by name.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/classes/Object.h"

namespace vcl {

// Registers a class under its class name (registering the same class again is harmless;
// another class of the same name raises EFilerError "Class %s already registered").
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> classes);
// An extra name for a class (old names of renamed classes).
void RegisterClassAlias(TClass AClass, const std::string& Alias);
void UnRegisterClass(TClass AClass);
void UnRegisterClasses(std::initializer_list<TClass> classes);
// By name, case-insensitive: GetClass gives nullptr when unknown, FindClass raises
// EClassNotFound "Class %s not found".
TClass GetClass(const std::string& ClassName);
TClass FindClass(const std::string& ClassName);
// Every registered class once (aliases not repeated), ordered by class name.
std::vector<TClass> RegisteredClasses();

}  // namespace vcl
