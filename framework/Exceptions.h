// The framework's exceptions. They are thrown as heap pointers (throw new ...; catch (CException* e))
// and the catcher gives them back with Delete().
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    // Copies the message into buffer (truncated to maxLength - 1); false when there is none.
    virtual bool GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext = nullptr) const;
    // Shows the message in the framework's error box; returns the box's result.
    virtual int ReportError(unsigned int type = 0, unsigned int messageId = 0) const;
    void Delete() { delete this; }

protected:
    bool CopyMessage(const char* text, char* buffer, unsigned int maxLength) const;
};

class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    bool GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext = nullptr) const override;

protected:
    virtual const char* DefaultMessage() const = 0;
};

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
protected:
    const char* DefaultMessage() const override;
};

class CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
protected:
    const char* DefaultMessage() const override;
};

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
protected:
    const char* DefaultMessage() const override;
};

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
protected:
    const char* DefaultMessage() const override;
};

class CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum Cause { none, genericException, fileNotFound, badPath, accessDenied, endOfFile };

    explicit CFileException(int cause = genericException, long osError = -1, const char* fileName = nullptr);
    bool GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext = nullptr) const override;

    int m_cause;
    long m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowFileException(int cause, long osError = -1, const char* fileName = nullptr);

// The framework's error box: a message box captioned with the application's title.
int AfxMessageBox(const char* text, unsigned int type = 0, unsigned int helpId = 0);
int AfxMessageBox(unsigned int stringId, unsigned int type = 0, unsigned int helpId = static_cast<unsigned int>(-1));
