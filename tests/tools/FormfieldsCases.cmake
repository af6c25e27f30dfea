# formfields gives every component of a form file a field typed by its class, leaves out the
# components an ancestor's shared list declares (by the same name), and refuses a component it
# cannot give a field: one without a name, of a class it cannot type, a name given twice, a
# class that differs from the ancestor's; a shared list naming a form without a form file is
# refused; a bad command line is a usage error.
#   cmake -DFORMFIELDS=<tool> -DWORK=<folder> -P FormfieldsCases.cmake
include("${CMAKE_CURRENT_LIST_DIR}/ExpectRun.cmake")
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/out")

# Runs formfields with `args`; expects exit code `rc` and every text of `wanted` on stderr.
function(expect name rc wanted)
  execute_process(COMMAND "${FORMFIELDS}" ${ARGN} RESULT_VARIABLE got OUTPUT_QUIET
                  ERROR_VARIABLE err WORKING_DIRECTORY "${WORK}")
  expect_run("${name}" "${got}" "${rc}" "${err}" "${wanted}")
endfunction()

# Every text of `wanted` is in `file`; none of `unwanted` is.
function(expect_text file wanted unwanted)
  file(READ "${file}" content)
  foreach(text IN LISTS wanted)
    string(FIND "${content}" "${text}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${file} lacks \"${text}\":\n${content}")
    endif()
  endforeach()
  foreach(text IN LISTS unwanted)
    string(FIND "${content}" "${text}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${file} has \"${text}\":\n${content}")
    endif()
  endforeach()
endfunction()

file(WRITE "${WORK}/TBaseForm.fields"
  "# the base's components\nclass TBaseForm\nforms pSample\nbtOK: TButton\nlist: TZYLListBox\n")
file(WRITE "${WORK}/pSample.dfm" [=[object Sample: TSampleDlg
  Caption = 'object Fake: TNothing'
  object lbName: TLabel
    Caption = 'Name:'
  end
  object pages: TPageControl
    object sheet: TTabSheet
      object spin: TZYLSpinEdit
      end
    end
  end
  object btOK: TButton
  end
  object List: TZYLListBox
  end
end
]=])

# The shared list: its class's fields and their declarations.
expect(shared 0 "" TBaseForm.fields out)
expect_text("${WORK}/out/TBaseForm.fields.h"
  "vcl::TButton* btOK = nullptr;zyl::TZYLListBox* list = nullptr;  b.Field(\"btOK\", &TBaseForm::btOK)"
  "")
expect_text("${WORK}/out/TBaseForm.fieldtypes.h" "class TButton;class TZYLListBox" "")

# The form: a field per component, nested ones too; btOK is the base's, List (not "list") its own.
expect(form 0 "" pSample.dfm out zyl TBaseForm.fields)
expect_text("${WORK}/out/pSample.fields.h"
  "vcl::TLabel* lbName = nullptr;vcl::TPageControl* pages = nullptr;vcl::TTabSheet* sheet = nullptr;zyl::TZYLSpinEdit* spin = nullptr;zyl::TZYLListBox* List = nullptr;  b.Field(\"lbName\", &TSampleDlg::lbName);  b.Field(\"List\", &TSampleDlg::List)"
  "btOK;Fake")
expect_text("${WORK}/out/pSample.fieldtypes.h"
  "namespace vcl {;class TLabel;class TPageControl;class TTabSheet;namespace zyl {;class TZYLListBox;class TZYLSpinEdit"
  "class TButton")
# The form class declares FormLayout; its definition, beside the class's header, answers the
# form file exactly as it stands.
expect_text("${WORK}/out/pSample.fields.h" "static const char* FormLayout();" "")
file(READ "${WORK}/pSample.dfm" text)
file(READ "${WORK}/out/pSample.layout.cpp" layout)
expect_text("${WORK}/out/pSample.layout.cpp"
  "#include \"pSample.h\";const char* zyl::TSampleDlg::FormLayout() {" "")
string(FIND "${layout}" "return R\"zyllayout(${text})zyllayout\";\n}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the layout is not the form file:\n${layout}")
endif()
# A shared list's class has no form file, so no FormLayout.
expect_text("${WORK}/out/TBaseForm.fields.h" "" "FormLayout")

# What cannot become a field stops the build with the file and line.
function(refused name text wanted)
  file(WRITE "${WORK}/${name}.dfm" "${text}")
  expect(${name} 1 "${wanted}" ${name}.dfm out zyl TBaseForm.fields)
endfunction()
refused(pNoName "object F: TF\n  object TButton\n  end\nend\n"
  "pNoName.dfm:2: the component \"TButton\" has no name")
refused(pUnknown "object F: TF\n  object x: TNoSuchControl\n  end\nend\n"
  "pUnknown.dfm:2: the component x is a TNoSuchControl, a class formfields cannot type")
refused(pTwice "object F: TF\n  object a: TLabel\n  end\n  object A: TEdit\n  end\nend\n"
  "pTwice.dfm:4: the name A is given twice")
refused(pBadName "object F: TF\n  object 9a: TLabel\n  end\nend\n"
  "pBadName.dfm:2: \"9a\" cannot name a field")
file(WRITE "${WORK}/TOther.fields" "class TOther\nforms pClash\nbtOK: TButton\n")
file(WRITE "${WORK}/pClash.dfm" "object F: TF\n  object btOK: TZYLButton\n  end\nend\n")
expect(clash 1 "pClash.dfm:2: the component btOK is a TZYLButton, but TOther declares it a TButton"
  pClash.dfm out zyl TOther.fields)
file(WRITE "${WORK}/pEmpty.dfm" "")
expect(empty 1 "pEmpty.dfm:1: no form in the file" pEmpty.dfm out zyl)
expect(missing 1 "pMissing.dfm:0: cannot be read" pMissing.dfm out zyl)
file(WRITE "${WORK}/TGone.fields" "class TGone\nforms pSample pRenamed\nbtOK: TButton\n")
expect(gone 1 "TGone.fields:2: the form pRenamed has no form file pRenamed.dfm" TGone.fields out)
file(WRITE "${WORK}/TNoClass.fields" "forms pSample\nbtOK: TButton\n")
expect(noclass 1 "TNoClass.fields:1: no \"class\" line" TNoClass.fields out)

# A bad command line.
expect(usage 2 "usage: formfields" pSample.txt out)
expect(usage_short 2 "usage: formfields" pSample.dfm)
expect(usage_namespace 2 "usage: formfields" pSample.dfm out)
expect(usage_bad_namespace 2 "usage: formfields" pSample.dfm out zyl::x)
