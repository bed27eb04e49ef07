#pragma once
// Writes a component, its published properties and the components it stores
// (GetChildren), in the text form of form files:
//
//   object Form1: TForm1
//     Tag = 3
//     Caption = 'It''s'#13#10'done'
//     Font.Name = 'DejaVu Sans'
//     Style = fsBold
//     Options = [opA, opC]
//     Provider = Provider1
//     OnChange = Form1Change
//     object Provider1: TProvider
//     end
//   end
//
// Properties come in declaration order, inherited first; values equal to
// their default are left out (see TypInfo.h). Class-type properties are
// written as dotted sub-properties. A reference is written as the path of
// owner names from the root down to the component ("Panel1.Edit1").
#include <string>

class TComponent;
class TStream;

class TFormWriter {
public:
    // The text of root and everything it stores.
    static std::string ComponentToText(const TComponent* root);
    // Writes that text to stream at its position.
    static void WriteComponent(TStream* stream, const TComponent* root);
};
