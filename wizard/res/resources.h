// The wizard's dialog resources. Each template is data in a file of its own
// under wizard/res/dialogs/, named after the resource.
#pragma once

#include "platform/ui/dialog_template.h"

namespace qv::wizard::res {

// The wizard's own pages and dialogs.
extern const ui::DialogTemplate kFileExists;    // FILE_EXISTS
extern const ui::DialogTemplate kStartWizard;   // START-WIZARD
extern const ui::DialogTemplate kHeaderInfo;    // HEADER-INFO
extern const ui::DialogTemplate kSaveAs;        // SAVEAS
extern const ui::DialogTemplate kReady;         // READY
extern const ui::DialogTemplate kWorking;       // WORKING
extern const ui::DialogTemplate kComplete;      // COMPLETE
extern const ui::DialogTemplate kParamInfo;     // PARAM-INFO
extern const ui::DialogTemplate kCompileError;  // COMPILE_ERROR

// Parameter pages.
extern const ui::DialogTemplate kParamText;            // PARAM-TEXT
extern const ui::DialogTemplate kParamList;            // PARAM-LIST
extern const ui::DialogTemplate kParamListNoEdit;      // PARAM-LIST-NOEDIT
extern const ui::DialogTemplate kParam2Option;         // PARAM-2OPTION
extern const ui::DialogTemplate kParamFile;            // PARAM-FILE
extern const ui::DialogTemplate kParamDirectory;       // PARAM-DIRECTORY
extern const ui::DialogTemplate kParamRun;             // PARAM-RUN
extern const ui::DialogTemplate kParamWavFile;         // PARAM-WAVFILE
extern const ui::DialogTemplate kParamMessage;         // PARAM-MESSAGE
extern const ui::DialogTemplate kParamSmtpConnection;  // PARAM-SMTPCONNECTION
extern const ui::DialogTemplate kParamSmtpUser;        // PARAM-SMTPUSER
extern const ui::DialogTemplate kParamSyslog;          // PARAM-SYSLOG
extern const ui::DialogTemplate kParamEventLog;        // PARAM-EVENTLOG
extern const ui::DialogTemplate kParamSmsApi;          // PARAM-SMS-API
extern const ui::DialogTemplate kParamSmsHttp1;        // PARAM-SMS-HTTP1
extern const ui::DialogTemplate kParamSmsHttp2;        // PARAM-SMS-HTTP2
extern const ui::DialogTemplate kParamSmsSmtp1;        // PARAM-SMS-SMTP1
extern const ui::DialogTemplate kParamSmsSmtp2;        // PARAM-SMS-SMTP2
extern const ui::DialogTemplate kParamServer;          // PARAM-SERVER
extern const ui::DialogTemplate kParamDomain;          // PARAM-DOMAIN
extern const ui::DialogTemplate kParamOdbc;            // PARAM-ODBC

// Message composition and server searches.
extern const ui::DialogTemplate kMsgBuilder;       // MSG-BUILDER
extern const ui::DialogTemplate kFindServer;       // FIND_SERVER
extern const ui::DialogTemplate kFindEmailServer;  // FIND_EMAILSERVER

}  // namespace qv::wizard::res
