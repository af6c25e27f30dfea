// Throw sites the error-text check must tell apart (read by the test source.error_texts_check).
// clang-format off
void Sample(const std::string& name, int index) {
  if (index < 0) throw EListError("List index out of bounds");
  // throw EListError("in a comment");
  /* throw EListError("in a block comment"); */
  if (index > 9) throw EListError(Format(SListIndexError, {index}));
  if (name.empty()) throw EReadError("Name " +
                                     name + " is empty");
  const std::string text = "throw EReadError(\"in a string\")";
  const char quote = '"';
  if (name == text) throw EFOpenError(Format(SFOpenError, {name + ".BAK"}));
  if (name[0] == quote) throw;
  throw EReadError(SReadError);
}
// clang-format on
