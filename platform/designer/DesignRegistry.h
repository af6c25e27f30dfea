// What design-time packages register: palette pages, component editors and property editors,
// and the lookups the designer makes over them.
//
// Component editors: a component gets the editor registered for its class or its nearest
// ancestor; for one class the later registration wins; without any, TDefaultEditor.
//
// Property editors: a registration (type, class filter or none, property name or "") matches a
// property when the type is the property's type, or both are class types and the property's
// class inherits from the registered one; the component inherits from the filter, if any; and
// the name equals the property's name (ignoring case), if given. Among matches, in this order:
// a property name beats none, a class filter beats none, an exact type beats an inherited class,
// a more derived registered class beats its ancestor, a more derived filter beats its ancestor;
// on a full tie the later registration wins. Without any match the property's kind chooses a
// standard editor (TColor gets TColorProperty, TCursor TCursorProperty, a TCollection
// TCollectionProperty).
//
// Registrations made while a package loads (LoadDesignPackage) belong to it and go when it is
// unloaded; registrations made outside belong to no package and stay.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/designer/DesignEditors.h"
#include "platform/sys/Packages.h"

namespace vcl {

// Adds the classes to the page (pages keep the order they first appear in, classes the call
// order). A class already on the palette raises EComponentError and the call adds nothing.
void RegisterComponents(const std::string& Page, std::initializer_list<TClass> ComponentClasses);
void RegisterComponents(const std::string& Page, const std::vector<TClass>& ComponentClasses);
std::vector<std::string> PalettePages();
std::vector<TClass> PaletteClasses(const std::string& Page);

void RegisterComponentEditor(TClass ComponentClass, TComponentEditorClass ComponentEditor);
void RegisterPropertyEditor(const TTypeInfo* PropertyType, TClass ComponentClass,
                            const std::string& PropertyName, TPropertyEditorClass EditorClass);

// The editor registered for the component (a new object each call).
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component,
                                                     IFormDesigner* Designer);
TComponentEditorClass FindComponentEditorClass(TClass ComponentClass);
// The editor class the property gets on components of `ComponentClass`.
TPropertyEditorClass FindPropertyEditorClass(const TPropInfo* Prop, TClass ComponentClass);
// An editor of the property for the components (all of them publish it).
std::unique_ptr<TPropertyEditor> GetPropertyEditor(IFormDesigner* Designer,
                                                   const std::vector<TPersistent*>& Components,
                                                   const TPropInfo* Prop);
// The editors of the rows the object inspector shows of one component, in declaration order:
// every published property with a setter, and every object property (its sub-properties are
// edited) with or without one.
std::vector<std::unique_ptr<TPropertyEditor>> GetComponentProperties(IFormDesigner* Designer,
                                                                     TPersistent* Component);
// The rows it shows of several components selected together: each row of the first that every
// other one shows under the same name, type and editor class, when that editor allows several
// (paMultiSelect), edits all of them; the first's declaration order. A component's Name and
// TabOrder are its own and are no rows of several. One component gets its rows as above; none
// raises EPropertyError.
std::vector<std::unique_ptr<TPropertyEditor>> GetSelectionProperties(
    IFormDesigner* Designer, const std::vector<TPersistent*>& Components);

// Runs a package's registration procedure once. Loading a package that is loaded raises
// EPackageError; a registration procedure that raises leaves none of its registrations and
// passes the exception on.
void LoadDesignPackage(const std::string& PackageName, const std::function<void()>& Register);
// Drops every registration the package made; unknown names raise EPackageError.
void UnloadDesignPackage(const std::string& PackageName);
bool IsDesignPackageLoaded(const std::string& PackageName);
// Loads a design-time package file as the IDE does: LoadPackage loads and starts the shared
// library (a bare name is found beside the platform's library), then its exported Register
// runs as the registration procedure of the package named after the file ("dir/pkg.so" is
// "pkg"). A library without Register, or a Register that raises, is unloaded again and the
// error passes on (EPackageError "Invalid package file '%s'" for a missing Register).
win::HMODULE LoadDesignPackageFile(const std::string& FileName);
// Drops the registrations of a package LoadDesignPackageFile loaded and unloads the library.
void UnloadDesignPackageFile(win::HMODULE Module);

}  // namespace vcl
