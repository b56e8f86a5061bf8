#pragma once

// The controls of the method screens that the logic refers to, by their names on the forms.
enum class Control {
    txFile,
    txStart,
    txLenght,
    cmAdd,
    cmClear,
    cmNext,
    cmdChg,
    lvDirectory,
    lvIndex,
    lbCurTotal,
    lbToGo,
    lbUsage,
    Label4,
};
