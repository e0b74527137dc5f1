clavora_add_fuzzer(lang
  SOURCES fuzz/lang_fuzz.cpp app/startup/IniReader.cpp app/platform/TextCodec.cpp
  LIBS PkgConfig::GLIB)
