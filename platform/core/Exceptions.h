#pragma once
// The exception hierarchy of the class library. Every exception the system
// raises derives from Exception; the message texts are fixed English strings.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    Exception(std::string message, int helpContext) : FMessage(std::move(message)), FHelpContext(helpContext) {}

    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    int HelpContext() const noexcept { return FHelpContext; }
    void SetHelpContext(int value) noexcept { FHelpContext = value; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
    int FHelpContext = 0;
};

// The silent exception: application handlers swallow it without a message.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
    using Exception::Exception;
};

// Raises EAbort.
[[noreturn]] void Abort();

class EListError : public Exception { public: using Exception::Exception; };
class EStringListError : public EListError { public: using EListError::EListError; };
class EConvertError : public Exception { public: using Exception::Exception; };
class EInvalidCast : public Exception {
public:
    EInvalidCast() : Exception("Invalid class typecast") {}
    using Exception::Exception;
};
class EAbstractError : public Exception {
public:
    EAbstractError() : Exception("Abstract Error") {}
    using Exception::Exception;
};
class EParserError : public Exception { public: using Exception::Exception; };
class EComponentError : public Exception { public: using Exception::Exception; };
class EInvalidOperation : public Exception { public: using Exception::Exception; };
class EClassNotFound : public Exception { public: using Exception::Exception; };
class EStreamError : public Exception { public: using Exception::Exception; };
class EReadError : public EStreamError { public: using EStreamError::EStreamError; };
class EWriteError : public EStreamError { public: using EStreamError::EStreamError; };
class EPropertyError : public Exception { public: using Exception::Exception; };
class EFilerError : public EStreamError { public: using EStreamError::EStreamError; };
class EVariantError : public Exception { public: using Exception::Exception; };
