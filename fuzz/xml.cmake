clavora_add_fuzzer(xml
  SOURCES fuzz/xml_fuzz.cpp
    app/profiles/XmlDocument.cpp app/profiles/XmlEncoding.cpp app/profiles/XmlParser.cpp
    app/profiles/XmlResult.cpp app/profiles/XmlSyntax.cpp app/profiles/XmlTree.cpp
    app/platform/TextCodec.cpp app/platform/FileIo.cpp
  LIBS PkgConfig::GLIB)
