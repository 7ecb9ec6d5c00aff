#include "framework/CObject.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
class CShape : public CObject
{
    DECLARE_DYNCREATE(CShape)
};
IMPLEMENT_DYNCREATE(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
};
IMPLEMENT_DYNCREATE(CCircle, CShape)
} // namespace

TEST(CObject, RuntimeClassesKnowTheirBasesAndCreateObjectsByName)
{
    CCircle circle;
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    CShape shape;
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CCircle)));

    const CRuntimeClass* pClass = CRuntimeClass::FromName("CCircle");
    ASSERT_EQ(pClass, RUNTIME_CLASS(CCircle));
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CCircle));
    EXPECT_EQ(CRuntimeClass::FromName("CNothing"), nullptr);
}

TEST(CObject, DynamicDowncastChecksTheClassAndEvaluatesItsArgumentOnce)
{
    CCircle circle;
    CShape shape;
    CObject* objects[] = {&shape, &circle};
    int nNext = 0;
    auto next = [&]() -> CObject* { return objects[nNext++]; };
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, next()), nullptr);
    EXPECT_EQ(nNext, 1);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, next()), &circle);
    EXPECT_EQ(nNext, 2);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCircle, static_cast<CObject*>(nullptr)), nullptr);
}
