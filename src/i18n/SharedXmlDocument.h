#pragma once
// The process's one XML document, shared by the language loader on the user
// interface thread and the update check on its worker. A load and the
// lookups that read its result form one session, and sessions never
// interleave.

#include <mutex>

#include "i18n/XmlDocument.h"

namespace zk40 {

class SharedXmlDocument {
 public:
  // Holds the document from its creation to its end.
  class Session {
   public:
    XmlDocument& operator*() const { return document_; }
    XmlDocument* operator->() const { return &document_; }

   private:
    friend class SharedXmlDocument;
    Session(std::mutex& mutex, XmlDocument& document) : lock_(mutex), document_(document) {}
    std::unique_lock<std::mutex> lock_;
    XmlDocument& document_;
  };

  SharedXmlDocument(FileSystem& fs, const CodePage& codePage) : document_(fs, codePage) {}

  // Waits until no other session is open.
  Session Open() { return Session(mutex_, document_); }

 private:
  std::mutex mutex_;
  XmlDocument document_;
};

}  // namespace zk40
