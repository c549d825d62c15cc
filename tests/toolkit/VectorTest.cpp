#include "tests/toolkit/ToolkitFixture.h"
#include "toolkit/TBox.h"
#include "toolkit/TLine.h"
#include "toolkit/TShadow.h"
#include "toolkit/TVector.h"
#include "toolkit/TextState.h"

TEST(VectorTest, ArithmeticAndLength) {
    TVector a = TVector::CreateFromPoints(1, 2, 4, 6);
    EXPECT_DOUBLE_EQ(a.CalcLength(), 5);
    TVector b = TVector::CreateFromVectorsAdded(a, TVector(1, 1));
    EXPECT_DOUBLE_EQ(b.x, 4);
    EXPECT_DOUBLE_EQ(b.y, 5);
    TVector c = TVector::CreateFromVectorsSubtracted(b, a);
    EXPECT_DOUBLE_EQ(c.x, 1);
    TVector d = TVector::CreateFromVectorScaled(a, 2);
    EXPECT_DOUBLE_EQ(d.y, 8);
    d.Normalise();
    EXPECT_DOUBLE_EQ(d.CalcLength(), 1);
    EXPECT_DOUBLE_EQ(a.DotProduct(TVector(1, 0)), 3);
    TVector n = a.CalcNormal();
    EXPECT_DOUBLE_EQ(n.x, -4);
    EXPECT_DOUBLE_EQ(n.y, 3);
    EXPECT_DOUBLE_EQ(a.CalcSlope(), 4.0 / 3.0);
    a.Reverse();
    EXPECT_DOUBLE_EQ(a.x, -3);
}

TEST(VectorTest, ReboundMirrorsAcrossTheSurface) {
    TVector v(1, -1);
    v.Rebound(TVector(5, 0));  // a floor
    EXPECT_NEAR(v.x, 1, 1e-12);
    EXPECT_NEAR(v.y, 1, 1e-12);
    TVector w(2, 3);
    w.Rebound(TVector(0, -2));  // a wall
    EXPECT_NEAR(w.x, -2, 1e-12);
    EXPECT_NEAR(w.y, 3, 1e-12);
}

TEST(VectorTest, RotationIsInDegreesAboutAPoint) {
    TVector v(1, 0);
    v.Rotate(90);
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y, 1, 1e-12);
    TVector p(2, 0);
    p.RotateAroundPoint(90, TVector(1, 0));
    EXPECT_NEAR(p.x, 1, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12);
}

TEST(VectorTest, LinesAndBoxes) {
    TLine l = TLine::CreateFromVector(1, 1, TVector(3, 4));
    EXPECT_DOUBLE_EQ(l.length, 5);
    EXPECT_DOUBLE_EQ(l.GetVector().y, 4);
    l.SetFromVector(TVector(0, 2), 0, 0);
    EXPECT_DOUBLE_EQ(l.length, 2);

    auto box = TBox::Create(10, 10, 4, 4, TColor::Create(1, 2, 3));
    box->Expand(1, 2);
    EXPECT_FLOAT_EQ(box->X, 9);
    EXPECT_FLOAT_EQ(box->H, 8);
    box->Kill();
    EXPECT_EQ(box->Color, nullptr);
}

TEST(VectorTest, ShadowBecomesTheTextShadow) {
    TShadow s(4, 5, 0.3f);
    s.ApplyToText();
    EXPECT_FLOAT_EQ(TextShadowX, 4);
    EXPECT_FLOAT_EQ(TextShadowY, 5);
    EXPECT_FLOAT_EQ(TextShadowAlpha, 0.3f);
    TShadow(2, 2, 0.5f).ApplyToText();
    TShadow d;
    EXPECT_FLOAT_EQ(d.X, 1);
    EXPECT_FLOAT_EQ(d.Alpha, 0.5f);
}
