#include "framework/Exceptions.h"

#include <cstdio>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {
const char kNoMessage[] = "The command could not be completed.";
}

bool CException::CopyMessage(const char* text, char* buffer, unsigned int maxLength) const
{
    if (buffer == nullptr || maxLength == 0)
        return false;
    std::snprintf(buffer, maxLength, "%s", text);
    return true;
}

bool CException::GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext) const
{
    if (helpContext != nullptr)
        *helpContext = 0;
    if (buffer != nullptr && maxLength > 0)
        buffer[0] = '\0';
    return false;
}

int CException::ReportError(unsigned int type, unsigned int messageId) const
{
    char message[512];
    if (GetErrorMessage(message, sizeof message))
        return AfxMessageBox(message, type);
    if (messageId != 0)
        return AfxMessageBox(messageId, type);
    return AfxMessageBox(kNoMessage, type);
}

bool CSimpleException::GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext) const
{
    if (helpContext != nullptr)
        *helpContext = 0;
    return CopyMessage(DefaultMessage(), buffer, maxLength);
}

const char* CMemoryException::DefaultMessage() const { return "Out of memory."; }
const char* CInvalidArgException::DefaultMessage() const { return "An argument was not valid."; }
const char* CNotSupportedException::DefaultMessage() const { return "The operation is not supported."; }
const char* CResourceException::DefaultMessage() const { return "A system resource could not be obtained."; }

CFileException::CFileException(int cause, long osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

bool CFileException::GetErrorMessage(char* buffer, unsigned int maxLength, unsigned int* helpContext) const
{
    if (helpContext != nullptr)
        *helpContext = 0;
    if (buffer == nullptr || maxLength == 0)
        return false;
    if (m_strFileName.IsEmpty())
        std::snprintf(buffer, maxLength, "A file error occurred.");
    else
        std::snprintf(buffer, maxLength, "A file error occurred: %s", m_strFileName.GetString());
    return true;
}

void AfxThrowMemoryException() { throw new CMemoryException; }
void AfxThrowInvalidArgException() { throw new CInvalidArgException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AfxThrowResourceException() { throw new CResourceException; }

void AfxThrowFileException(int cause, long osError, const char* fileName)
{
    throw new CFileException(cause, osError, fileName);
}
