// Points the registry store at a fresh temporary folder for the duration of a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/TempDir.h"

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* old = std::getenv("ZYL_REGISTRY_DIR");
    hadOld_ = old != nullptr;
    if (old) old_ = old;
    folder_ = dir_.File("registry");
    setenv("ZYL_REGISTRY_DIR", folder_.c_str(), 1);
  }
  void TearDown() override {
    if (hadOld_)
      setenv("ZYL_REGISTRY_DIR", old_.c_str(), 1);
    else
      unsetenv("ZYL_REGISTRY_DIR");
  }
  std::string HiveText(const char* name = "HKEY_CURRENT_USER") const {
    std::ifstream in(folder_ + "/" + name + ".hive", std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  void WriteHive(const std::string& text, const char* name = "HKEY_CURRENT_USER") const {
    std::filesystem::create_directories(folder_);
    std::ofstream out(folder_ + "/" + name + ".hive", std::ios::binary | std::ios::trunc);
    out << text;
  }

  testsupport::TempDir dir_;
  std::string folder_;

 private:
  bool hadOld_ = false;
  std::string old_;
};
